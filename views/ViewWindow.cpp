#include "ViewWindow.h"

#include "Mainunit.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

ViewWindow::ViewWindow(QWidget* host)
    : QWidget(host ? host : Form1->ClientArea), HostArea(host ? host : Form1->ClientArea) {
    setWindowFlags(Qt::Widget | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    hide();
    move(0, 0);
    HostArea->installEventFilter(this);
    FitToMainWindow();
}

void ViewWindow::FitToMainWindow() {
    if (isHidden()) return;
    resize(HostArea->width() - x(), HostArea->height());
}

void ViewWindow::ShowView() {
    show();
    raise();
}

void ViewWindow::FormShow() {
    FitToMainWindow();
}

void ViewWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

bool ViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == HostArea && event->type() == QEvent::Resize) FitToMainWindow();
    return QWidget::eventFilter(watched, event);
}

QFrame* AddToolBarPanel(ViewWindow* view, const char* name, int height) {
    auto* panel = new QFrame(view);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(height);
    // A tool bar in the button face colour, whatever the view's own background.
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Button);
    auto* column = qobject_cast<QVBoxLayout*>(view->layout());
    if (!column) {
        column = new QVBoxLayout(view);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
    }
    column->insertWidget(0, panel);
    return panel;
}

QFrame* AddBevel(QWidget* panel, const char* name, const QRect& geometry) {
    auto* bevel = new QFrame(panel);
    bevel->setObjectName(name);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(geometry);
    bevel->lower();
    return bevel;
}

QToolButton* AddSpeedButton(QWidget* panel, const char* name, const QRect& geometry, const QString& hint,
                            bool showHint, const QIcon& glyph) {
    auto* button = new QToolButton(panel);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIcon(glyph);
    button->setIconSize(geometry.size() - QSize(8, 8));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("hint", hint);
    if (showHint) button->setToolTip(hint);
    return button;
}

QFont CourierNew(int pixels, bool bold) {
    QFont font("Courier New");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFrame* HiddenPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->hide();
    return panel;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

std::vector<DrawnYear> DrawnYears(const QPlainTextEdit& memo, const std::vector<ListedYear>& years) {
    std::vector<DrawnYear> drawn;
    for (const ListedYear& year : years) {
        const QTextBlock block = memo.document()->findBlockByNumber(year.Line);
        if (!block.isValid() || year.Column + year.Length >= block.length()) continue;
        QTextCursor at(block);
        at.setPosition(block.position() + year.Column);
        const QRect first = memo.cursorRect(at);
        at.setPosition(block.position() + year.Column + year.Length);
        const QRect after = memo.cursorRect(at);
        drawn.push_back({year.Entry, first.left(), first.top(), after.left() - 1, first.bottom()});
    }
    return drawn;
}
