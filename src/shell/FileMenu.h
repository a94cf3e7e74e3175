// TFileMenu: the file menu of the main window.  It opens game records
// (also from the list of the four most recent files), saves them, exports
// the text diagram and prints, and keeps the current record's file name.
// The formats themselves belong to the record unit; this unit chooses the
// file and hands a loaded record to the game dialog, which starts the game
// or the replay.
//
// A part of the main window kept in a unit of its own: it works on the
// state of its TMainCtl and asks for file names through its TPrompt.
#pragma once

#include <string>
#include <vector>

#include "board/Point.h"

namespace vorn {

class TMainCtl;

// The file dialogs' filters: pairs of description and pattern separated by
// vertical bars.  Records to open (every format that can be read one day),
// records to save in a language, text files for the diagram.
const char* KifuOpenFilter();
const char* KifuSaveFilter(int language);
extern const char* const kTextOutFilter;
// A filter as the entries a file dialog lists: "description (pattern)", one
// per pair; several patterns are separated by blanks.
std::vector<std::string> DialogNameFilters(const std::string& filter);

class TFileMenu {
public:
    explicit TFileMenu(TMainCtl& ctl) : ctl_(ctl) {}
    TFileMenu(const TFileMenu&) = delete;
    TFileMenu& operator=(const TFileMenu&) = delete;

    // Runs the handler of a file-menu item or tool button by its name; false
    // when the name is none of this unit's.
    bool Click(const std::string& name);

    void mnuOpenClick();
    void mnuReopen1Click();
    void mnuReopen2Click();
    void mnuReopen3Click();
    void mnuReopen4Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuTextOutClick();
    void mnuInfoClick();
    void mnuPrintClick();
    void mnuPrint2Click();
    void mnuPrintSetClick();
    void mnuTcpIpClick();

    // Puts a name at the top of the recent files and updates the menu (the
    // name is a copy: it may be one of the list's own entries).
    void ReopenAdd(std::string fileName);
    // The recent files as the items of the reopen menu.
    void ReopenMenu();
    // Opens a recent file.
    void ReopenFile(const std::string& fileName);
    // A record has been read onto board 0: the game dialog shows it, and
    // the game or the replay starts from there.
    void KifuOpened();
    // Reads a record onto board 0, laid out for its board size before its
    // stones; a running game stops only once the file has been found
    // readable.  False after the reader's report.
    bool RecordRead(const std::string& fileName);

    // The last text diagram written; kept apart from the record's name, so
    // that a plain save still writes the record.
    std::string TextOutFile;

    // The moves of board 0 are as they were last read or written.
    void MarkSaved();
    bool MovesSaved() const;
    // At exit: moves not saved are saved (the record's name, else one asked
    // for), discarded or kept as the user answers; false to stay open.
    bool CloseAsked();

private:
    // Asks whether a running game may be given up; false to keep it.
    bool GameGiveUpAsked();
    // Writes the record under a name; true when written.  Before an .ig1
    // file that would lose part of the game, asks whether to write it.
    bool RecordWrite(const std::string& fileName);
    // Asks for a name and writes the record under it, which becomes the
    // record's name.
    void SaveUnderAskedName();
    // Writes the position shown as a text diagram.
    void TextDiagramWrite(const std::string& fileName);

    TMainCtl& ctl_;
    // The moves as last read or written.
    std::vector<Point> savedMoves_;
};

} // namespace vorn
