// What the three view windows (lifetime, projection, census) have in common:
// each is a borderless child of the main window, placed at 0, 0 and sized to
// the main window's client area, and is shown and hidden, never recreated.
// Below it, the small control helpers every window of the program builds with.
#pragma once

#include "YearLists.h"

#include <QFlags>
#include <QFont>
#include <QWidget>

#include <vector>

class QFrame;
class QIcon;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

// The commands a view offers beside its tool bar, in the main window's menu.
// The view says which of them are available; the main window keeps its menu
// items to that.
enum class ViewCommand {
    Print = 0x01,
    Table = 0x02,
    Graph = 0x04,
    Pyramid = 0x08,
    TotalGraph = 0x10,
    Continue = 0x20,
    AgeGroups = 0x40,
};
Q_DECLARE_FLAGS(ViewCommands, ViewCommand)
Q_DECLARE_OPERATORS_FOR_FLAGS(ViewCommands)

class ViewWindow : public QWidget {
    Q_OBJECT
public:
    // host is the area the view fills; by default the main window's client
    // area (so the main window must exist first). Created hidden.
    explicit ViewWindow(QWidget* host = nullptr);

    // Only while the view is shown: width := the host's width minus the
    // view's left, height := the host's height. Runs again whenever the host
    // changes size.
    virtual void FitToMainWindow();

    // Shows the view and brings it in front of the other views.
    void ShowView();

    QWidget* Host() const { return HostArea; }

signals:
    // The commands have become available (or unavailable); those not named
    // stay as they were.
    void CommandsChanged(ViewCommands commands, bool available);

protected:
    // Runs when the view is shown by the program (not when the whole
    // application is restored from the task bar, so a restore never clears
    // what the view shows). The default fits the view to the main window.
    virtual void FormShow();

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* HostArea;
};

// The tool bar row of a view: a panel along the top edge on which framed
// groups (bevels) hold picture buttons at fixed pixel positions. The panel is
// put at the top of the view's column layout (made when the view has none), so
// the view adds what fills the rest below it with layout()->addWidget.
QFrame* AddToolBarPanel(ViewWindow* view, const char* name, int height);
QFrame* AddBevel(QWidget* panel, const char* name, const QRect& geometry);
// hint is kept on the button (property "hint"); it shows as a tool tip only
// when showHint is set.
QToolButton* AddSpeedButton(QWidget* panel, const char* name, const QRect& geometry, const QString& hint,
                            bool showHint, const QIcon& glyph);

// Courier New in a size in pixels, the font nearly every window is laid out in.
QFont CourierNew(int pixels, bool bold = false);

// A panel kept only under its name: it stays hidden and takes no room.
QFrame* HiddenPanel(QWidget* parent, const char* name);

// A label at x, y, as large as its text.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int x, int y);
QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry);

// Where the text layout of a year list put each of its years, in the memo's
// viewport coordinates: from the first character's left edge to just before
// the edge after the last, over the line's height.
std::vector<DrawnYear> DrawnYears(const QPlainTextEdit& memo, const std::vector<ListedYear>& years);
