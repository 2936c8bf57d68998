/** @file Theme.h
 ** Light, dark or the system's look: the application palette, and the system colours the
 ** editor paints with (its background, text, selection and caret) taken from it. **/
#pragma once

#include <QString>

#include "editor/MemoComponent.h"
#include "platform/core/Graphics.h"
#include "studio/settings/Colouring.h"

enum class TTheme { Light, Dark, System };

TTheme ThemeFromName(const QString& Name);
QString ThemeName(TTheme Theme);

/** Applies Theme to the whole application at once; no restart. */
void ApplyTheme(TTheme Theme);
/** Whether the palette in use has a dark background. */
bool IsDarkPalette();
/** Colourings as the editors show them in the palette in use: on a dark one, each made
    readable on the editor's background. */
TColourings ThemedColourings(TColourings Colourings);
/** The gutter's colours for the palette in use. */
TMemoComponent::TGutterColors ThemeGutterColors();
