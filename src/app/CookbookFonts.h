#pragma once

#include "cookbook/RecipeRenderer.h"
#include "platform/StoredFont.h"

class QWidget;

// Fonts of the cookbook: the design fonts of groups 15 to 23 (recipe parts, the editor window
// and its edit-type controls) and the recipe fonts as their holder labels carry them.
namespace CookbookFonts {

constexpr int FirstGroup = 15;
constexpr int LastGroup = 23;

// The font a holder label has before the settings are read.
StoredFont defaultFont(int group);
// Holder label number of a group: 80..87 for groups 15..22, 90 for group 23.
int holderLabel(int group);
// Groups 15..21 read from their holder labels (font and colour).
RecipeFonts fromHolders(const QWidget *page);

} // namespace CookbookFonts
