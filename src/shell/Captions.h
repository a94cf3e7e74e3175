// The main window's design: its menus, menu items and tool buttons with their
// designed captions, shortcuts and check marks; the keys of the caption files
// with built-in captions for each language; the tool-button hints.
#pragma once

#include <string>
#include <vector>

namespace vorn {

enum TUiKind { ukMenu, ukItem, ukSeparator, ukButton };

// One element of the window's design.  parent is "" for the menus of the
// menu bar and for the tool buttons.
struct TUiDesign {
    const char* name;
    const char* parent;
    TUiKind kind;
    const char* caption;   // designed caption (Japanese)
    const char* shortcut;  // in the notation "Ctrl+N", "F1"; "" for none
    bool checkable;
    bool visible;
    bool enabled;
};

// Every menu, menu item and tool button, in menu order.
const std::vector<TUiDesign>& UiDesign();

// The keys of section "Main" of a caption file, in the order they are read:
// "Caption" first, then the menu items, then the captions of the two
// ten-move items and of their comment-jump variants.
const std::vector<std::string>& CaptionKeys();
// The caption of a key built into the program for a language (1 English,
// otherwise Japanese); "" for an unknown key.
std::string BuiltinCaption(int language, const std::string& key);

// The caption file of a language: ENGLISH.INI, JAPANESE.INI or CHINESE.INI.
const char* CaptionFileName(int language);

// The tool buttons that carry hints, and the hint of one for a language
// (1 English, 2 Japanese): "short text|long text".
const std::vector<std::string>& HintButtons();
std::string ButtonHint(int language, const std::string& button);

// The program's home page for a language (1 English, otherwise Japanese);
// "" while the project publishes none.
std::string HomePageAddress(int language);

} // namespace vorn
