/** @file StoredSettings.h
 ** The stored settings of a syntax-colouring editor (its language definition and
 ** indentation), applied through the same setters as every other change. **/
#pragma once

#include "sourceedit/StoredForm.h"

class TSourceEdit;

/** The settings of the studio's editor windows: the Yorel language. */
inline const QString YorelEditorSettings = QStringLiteral(":/language/CodeFRM.tbCode.settings");

/** Applies each property in stored order; an unknown property or a value of the wrong kind
    raises EReadError. */
void ApplyStoredSettings(TSourceEdit& Editor, const TStoredProperties& Properties);
/** Reads the settings at ResourcePath (a file, or a resource path such as
    YorelEditorSettings) and applies them. */
void LoadStoredSettings(TSourceEdit& Editor, const QString& ResourcePath);
