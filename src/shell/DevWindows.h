// The developer views and the evaluation window on the screen: thin Qt
// windows around the logic of TDevViews.  The maps and the point-relation
// view show a backing image that their logic paints (so texts written into
// a cell stay until the next repaint, as on the main board); the
// information windows are read-only fields and lists laid out from their
// logic's controls; the evaluation window is a memo with its menu.
// TDevWindows owns them all and serves the main window's calls.
#pragma once

#include <QMainWindow>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "board/Point.h"
#include "shell/ImageCanvas.h"
#include "shell/SideWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vorn {

class TDevViews;
class TMainCtl;
class THyokaF;

// A map or the relation view: the logic paints its image; a click goes to
// the logic with the client pixel.
class TDevMapWindow : public QWidget {
public:
    struct THandlers {
        std::function<void(TCanvas&)> paint;
        std::function<void(TCanvas&, int, int)> click;
        std::function<void()> close;
    };
    TDevMapWindow(QWidget* parent, const char* name, const char* caption, TSideForm& model, int background,
                  int fontHeight, THandlers handlers);

    TImageCanvas& Canvas() { return canvas_; }
    // The image painted again by the logic, and shown.
    void Repaint();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    TSideForm& model_;
    int background_;
    THandlers handlers_;
    TImageCanvas canvas_;
};

// An information window built from its logic's controls.
class TDevInfoWindow : public QWidget {
public:
    // after: what runs once a button's handler has run (the windows shown
    // again from their logic).
    TDevInfoWindow(QWidget* parent, const char* name, const char* caption, TSideForm& model,
                   std::vector<TInfoControl> controls, std::function<void()> after);

    // The fields, lists and captions as the logic holds them; the window
    // shown when the logic asks for it.
    void Sync();
    QWidget* Control(const std::string& name) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    TSideForm& model_;
    std::vector<TInfoControl> controls_;
    std::map<std::string, QWidget*> widgets_;
};

// The evaluation window: the memo of reports and the menu 評価 / クリア.
class THyokaWindow : public QMainWindow {
public:
    THyokaWindow(QWidget* parent, THyokaF& model, std::function<void()> close);
    void Sync();
    QPlainTextEdit* Memo() const { return Memo1; }
    QAction* Action(const std::string& name) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    THyokaF& model_;
    std::function<void()> close_;
    QPlainTextEdit* Memo1 = nullptr;
    QAction* mnuHyoka = nullptr;
    QAction* mnuClear = nullptr;
};

class TDevWindows {
public:
    TDevWindows(QWidget* parent, TMainCtl& ctl);
    ~TDevWindows();
    TDevWindows(const TDevWindows&) = delete;
    TDevWindows& operator=(const TDevWindows&) = delete;

    // The window that the menu item switches, shown or hidden.
    void Show(const std::string& menuItem, bool on);
    // The maps and the relation view that are shown, painted again.
    void Refresh();
    // Texts in the relation view's cells, while it is shown.
    void LocateDrawText(Point p, const std::string& text, int colour);
    void LocateShowDirection();
    // Every window's place into its logic, for the settings written at exit.
    void StoreGeometry();
    // The information windows shown and filled as their logic has them.
    void SyncInfos();

    // By menu item (mnuRen, mnuGun, mnuJi, mnuLocate); nullptr otherwise.
    TDevMapWindow* Map(const std::string& menuItem) const;
    // By name (RenInfo, GunInfo, JiInfo).
    TDevInfoWindow* Info(const std::string& name) const;
    THyokaWindow* Hyoka() const { return hyoka_; }

private:
    struct TEntry {
        QWidget* window;
        TSideForm* model;
    };
    TDevViews& views_;
    std::map<std::string, TDevMapWindow*> maps_;
    std::map<std::string, TDevInfoWindow*> infos_;
    THyokaWindow* hyoka_ = nullptr;
    std::vector<TEntry> all_;
};

} // namespace vorn
