// The common behaviour of the view windows inside the main window.
#include "GuiHarness.h"

#include "ViewWindow.h"

#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class CountingView : public ViewWindow {
public:
    using ViewWindow::ViewWindow;
    int Shows = 0;

protected:
    void FormShow() override {
        ++Shows;
        ViewWindow::FormShow();
    }
};

TEST(ViewWindow, LivesHiddenInTheMainWindowsClientArea) {
    ProgramStart();
    CountingView view;  // host: the main window's client area
    EXPECT_EQ(view.parentWidget(), Form1->ClientArea);
    EXPECT_FALSE(view.isWindow());
    EXPECT_TRUE(view.isHidden());
    EXPECT_EQ(view.pos(), QPoint(0, 0));
    EXPECT_EQ(view.Shows, 0);

    view.ShowView();
    EXPECT_EQ(view.Shows, 1);
    EXPECT_EQ(view.geometry(), QRect(QPoint(0, 0), Form1->ClientArea->size()));
    view.hide();
}

TEST(ViewWindow, FollowsTheHostsSizeOnlyWhileShown) {
    ProgramStart();
    QWidget host;
    host.resize(500, 400);
    host.show();
    CountingView view(&host);
    const QSize designed(120, 80);
    view.resize(designed);

    host.resize(640, 480);
    EXPECT_EQ(view.size(), designed) << "a hidden view keeps its size";

    view.ShowView();
    EXPECT_EQ(view.size(), QSize(640, 480));
    host.resize(700, 300);
    EXPECT_EQ(view.size(), QSize(700, 300));

    // Placed further right, the view still ends at the host's right edge.
    view.move(40, 0);
    view.FitToMainWindow();
    EXPECT_EQ(view.geometry(), QRect(40, 0, 660, 300));

    // Shown again: the same window, fitted again, its show handler run again.
    view.hide();
    host.resize(600, 350);
    view.move(0, 0);
    view.ShowView();
    EXPECT_EQ(view.size(), QSize(600, 350));
    EXPECT_EQ(view.Shows, 2);
}

TEST(ViewWindow, ShowingAViewBringsItToTheFront) {
    ProgramStart();
    QWidget host;
    host.resize(300, 200);
    host.show();
    CountingView first(&host), second(&host);
    first.ShowView();
    second.ShowView();
    EXPECT_EQ(host.childAt(150, 100), &second);
    first.ShowView();
    EXPECT_EQ(host.childAt(150, 100), &first);
    EXPECT_EQ(first.Shows, 1) << "bringing a shown view to the front is not a new show";
    first.hide();
    EXPECT_EQ(host.childAt(150, 100), &second);
}

TEST(ViewWindow, ToolBarRowHoldsFramedGroupsOfHintedButtons) {
    ProgramStart();
    QWidget host;
    host.resize(400, 300);
    host.show();
    CountingView view(&host);
    QFrame* panel = AddToolBarPanel(&view, "Panel1", 49);
    QFrame* bevel = AddBevel(panel, "Bevel2", QRect(12, 4, 113, 41));
    QToolButton* shown = AddSpeedButton(panel, "SpeedButton7", QRect(16, 8, 33, 33), "Print", true, QIcon());
    QToolButton* silent = AddSpeedButton(panel, "SpeedButton8", QRect(52, 8, 33, 33),
                                         "Navn eller overskrift til udskrifter", false, QIcon());
    auto* content = new QWidget(&view);
    view.layout()->addWidget(content);
    view.ShowView();

    EXPECT_EQ(panel->geometry(), QRect(0, 0, 400, 49));
    EXPECT_EQ(content->geometry(), QRect(0, 49, 400, 251));
    EXPECT_EQ(bevel->geometry(), QRect(12, 4, 113, 41));
    EXPECT_EQ(shown->geometry(), QRect(16, 8, 33, 33));
    EXPECT_EQ(shown->toolTip(), "Print");
    EXPECT_TRUE(silent->toolTip().isEmpty());
    EXPECT_EQ(silent->property("hint").toString(), "Navn eller overskrift til udskrifter");
    EXPECT_EQ(panel->findChild<QToolButton*>("SpeedButton8"), silent);
}

}  // namespace
