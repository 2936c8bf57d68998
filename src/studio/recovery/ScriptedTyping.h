/** @file ScriptedTyping.h
 ** For end-to-end tests of a real studio process: the text of YOREL_STUDIO_TYPE is typed
 ** into the editor window in front as key events, through the editor's own key handling. **/
#pragma once

class TMainFRM;

/** Does nothing unless YOREL_STUDIO_TYPE is set; prints "typed" on stdout when done. */
void TypeFromEnvironment(TMainFRM& Main);
