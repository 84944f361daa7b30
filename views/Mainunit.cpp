#include "Mainunit.h"

#include "About.h"
#include "Dialogs.h"
#include "ExtraCommands.h"
#include "Lys_erkl.h"
#include "MigrationDlg.h"
#include "ViewOutput.h"
#include "Pictures.h"
#include "SaveView.h"
#include "StatbankFiles.h"
#include "StatbankImports.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit9.h"
#include "ViewWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>

TForm1* Form1 = nullptr;

QTranslator* InstallDanishToolkitTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_da"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

TForm1::TForm1() {
    setObjectName("Form1");
    setWindowTitle("Lysvandre");
    // System menu and minimise only: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setGeometry(220, 98, 523, 437);
    setFont(CourierNew(16, true));

    ClientArea = new QWidget(this);
    ClientArea->setObjectName("ClientArea");
    QPalette white = ClientArea->palette();
    white.setColor(QPalette::Window, Qt::white);
    ClientArea->setPalette(white);
    ClientArea->setAutoFillBackground(true);
    setCentralWidget(ClientArea);

    Image1 = new QLabel(ClientArea);
    Image1->setObjectName("Image1");
    Image1->setGeometry(128, 96, 273, 225);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(StartPicture()));

    Memo1 = new QTextEdit(ClientArea);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 88, 97, 33);
    Memo1->setFont(CourierNew(13, true));
    Memo1->setPlainText("Memo1");
    Memo1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    // A coarse timer may fire up to 5 % early; the picture stays its full 3 s.
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    // The window's Courier New is for its client area; the menu keeps the
    // desktop's menu font. Setting each attribute to its own value is not a
    // no-op: it marks the attribute as chosen, so that the menu bar does not
    // take it from the window's font.
    QFont menuFont = QApplication::font(MainMenu1);
    menuFont.setFamily(menuFont.family());
    menuFont.setPointSizeF(menuFont.pointSizeF());
    menuFont.setWeight(menuFont.weight());
    MainMenu1->setFont(menuFont);

    Filer1 = AddMenu(MainMenu1, "Filer1", "&Filer");
    Udskriv1 = AddItem(Filer1, "Udskriv1", "Udskriv", &TForm1::Udskriv1Click, false);
    Udskriv1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    Afslut1 = AddItem(Filer1, "Afslut1", "&Afslut", &TForm1::Afslut1Click);

    Rediger1 = AddMenu(MainMenu1, "Rediger1", "Rediger");
    KopiertilKlippebordet1 = AddItem(Rediger1, "KopiertilKlippebordet1", "Kopier til Klippebordet",
                                     &TForm1::KopiertilKlippebordet1Click);

    // The three main menus are enabled when the window is first shown.
    Levetid1 = AddMenu(MainMenu1, "Levetid1", "&Levetid");
    Levetid1->setEnabled(false);
    connect(Levetid1->menu(), &QMenu::aboutToShow, this, &TForm1::Levetid1Click);
    enPerson = AddItem(Levetid1, "enPerson", "Én person", &TForm1::enPersonClick);
    Topersoner1 = AddItem(Levetid1, "Topersoner1", "To personer", &TForm1::Topersoner1Click);
    Graf1 = AddItem(Levetid1, "Graf1", "Graf", &TForm1::Graf1Click, false);
    Tabel1 = AddItem(Levetid1, "Tabel1", "Tabel", &TForm1::Tabel1Click, false);

    Prognose1 = AddMenu(MainMenu1, "Prognose1", "&Prognose");
    Prognose1->setEnabled(false);
    connect(Prognose1->menu(), &QMenu::aboutToShow, this, &TForm1::Prognose1Click);
    Inddata1 = AddItem(Prognose1, "Inddata1", "Inddata", &TForm1::Inddata1Click);
    Tabel2 = AddItem(Prognose1, "Tabel2", "Tabel", &TForm1::Tabel2Click, false);
    Pyramide1 = AddItem(Prognose1, "Pyramide1", "Pyramide", &TForm1::Pyramide1Click, false);
    Ialtgraf1 = AddItem(Prognose1, "Ialtgraf1", "I alt graf", &TForm1::Ialtgraf1Click, false);
    Fortst1 = AddItem(Prognose1, "Fortst1", "Fortsæt", &TForm1::Fortst1Click, false);
    Basisr1 = AddItem(Prognose1, "Basisr1", "Basisår", &TForm1::Basisr1Click);

    // An item of the menu bar itself, without a submenu.
    Aldersgrupper1 = MainMenu1->addAction("Aldersgruppe");
    Aldersgrupper1->setObjectName("Aldersgrupper1");
    Aldersgrupper1->setEnabled(false);
    connect(Aldersgrupper1, &QAction::triggered, this, &TForm1::Aldersgrupper1Click);

    Folketllinger1 = AddMenu(MainMenu1, "Folketllinger1", "Folke&tællinger");
    Folketllinger1->setEnabled(false);
    connect(Folketllinger1->menu(), &QMenu::aboutToShow, this, &TForm1::Folketllinger1Click);
    Inddata2 = AddItem(Folketllinger1, "Inddata2", "Inddata", &TForm1::Inddata2Click);
    Tabel3 = AddItem(Folketllinger1, "Tabel3", "Tabel", &TForm1::Tabel3Click, false);
    Pyramide2 = AddItem(Folketllinger1, "Pyramide2", "Pyramide", &TForm1::Pyramide2Click, false);
    Ialtgraf2 = AddItem(Folketllinger1, "Ialtgraf2", "I alt graf", &TForm1::Ialtgraf2Click, false);
    Historiskedata1 = AddMenu(Folketllinger1, "Historiskedata1", "Historiske data");
    Middellevetid1 = AddItem(Historiskedata1, "Middellevetid1", "Middellevetid", &TForm1::Middellevetid1Click);
    Ddelighed1 = AddItem(Historiskedata1, "Ddelighed1", "Dødelighed", &TForm1::Ddelighed1Click);
    Fertilitet1 = AddItem(Historiskedata1, "Fertilitet1", "Fertilitet", &TForm1::Fertilitet1Click);

    // Commands beyond the original menus.
    Ekstra1 = AddMenu(MainMenu1, "Ekstra1", "E&kstra");
    connect(Ekstra1->menu(), &QMenu::aboutToShow, this, &TForm1::UpdateExtraItems);
    Afspilprognose1 = AddItem(Ekstra1, "Afspilprognose1", "&Afspil prognose", &TForm1::Afspilprognose1Click, false);
    // The caption follows the view on show: the projection compares with its
    // base year, a census with another census; the projection has a census
    // item of its own below.
    Sammenlign1 = AddItem(Ekstra1, "Sammenlign1", "&Sammenlign med basisåret", &TForm1::Sammenlign1Click, false);
    Sammenlignfolketlling1 = AddItem(Ekstra1, "Sammenlignfolketlling1", "Sammenlign med &folketælling …",
                                     &TForm1::Sammenlignfolketlling1Click, false);
    Sammenlignfolketlling1->setCheckable(true);
    // What the net migration changes: the same projection without it.
    Sammenlignudenindvandring1 = AddItem(Ekstra1, "Sammenlignudenindvandring1", "Sammenlign &uden indvandring",
                                         &TForm1::Sammenlignudenindvandring1Click, false);
    Sammenlignudenindvandring1->setCheckable(true);
    Sammenlignfaktisk1 = AddItem(Ekstra1, "Sammenlignfaktisk1", "Sammenlign med faktisk befolkning",
                                 &TForm1::Sammenlignfaktisk1Click, false);
    Sammenlignfaktisk1->setCheckable(true);
    Visiprocent1 = AddItem(Ekstra1, "Visiprocent1", "Vis i &procent", &TForm1::Visiprocent1Click, false);
    Indvandring1 = AddItem(Ekstra1, "Indvandring1", "&Indvandring ...", &TForm1::Indvandring1Click);
    Sammenlign1->setCheckable(true);
    Visiprocent1->setCheckable(true);
    Gemsom1 = AddItem(Ekstra1, "Gemsom1", "&Gem som ...", &TForm1::Gemsom1Click, false);
    Ekstra1->menu()->addSeparator();
    Indlstal1 = AddItem(Ekstra1, "Indlstal1", "&Indlæs tal fra Statistikbanken ...", &TForm1::Indlstal1Click);
    Glemindlstetal1 = AddItem(Ekstra1, "Glemindlstetal1", "&Glem indlæste tal", &TForm1::Glemindlstetal1Click, false);

    Hjlp1 = AddMenu(MainMenu1, "Hjlp1", "&Hjælp");
    Vejledning1 = AddItem(Hjlp1, "Vejledning1", "Vejledning", &TForm1::Vejledning1Click);
    Omprogrammet1 = AddItem(Hjlp1, "Omprogrammet1", "&Om programmet", &TForm1::Omprogrammet1Click);
}

QAction* TForm1::AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, bar);
    menu->setObjectName(QString(name) + "Menu");
    QAction* item = bar->addMenu(menu);
    item->setObjectName(name);
    return item;
}

QAction* TForm1::AddMenu(QAction* parent, const char* name, const QString& caption) {
    QMenu* owner = parent->menu();
    auto* menu = new QMenu(caption, owner);
    menu->setObjectName(QString(name) + "Menu");
    QAction* item = owner->addMenu(menu);
    item->setObjectName(name);
    return item;
}

QAction* TForm1::AddItem(QAction* parent, const char* name, const QString& caption, void (TForm1::*handler)(),
                         bool enabled) {
    QAction* item = parent->menu()->addAction(caption);
    item->setObjectName(name);
    item->setEnabled(enabled);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

// The start of the program as the user sees it. Runs once: a window that is
// hidden and shown again, or restored from the task bar, keeps its data, its
// ActiveView and its hidden start picture.
void TForm1::showEvent(QShowEvent* event) {
    if (!Shown && !event->spontaneous()) {
        Shown = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    // Closing the main window ends the program at once, even with the model
    // text window still open beside it.
    QCoreApplication::quit();
}

void TForm1::FormShow() {
    setWindowTitle(QStringLiteral("   Lysvandre    ") + AboutBox->Version->text());
    // The work area as normal bounds too, so that the window fills it even
    // where nothing manages windows (a bare virtual X server).
    const QRect workArea = screen()->availableGeometry();
    setGeometry(workArea);
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    LoadAllData();
    LoadRememberedImports();
    ActiveView = ActiveViews::None;
    Image1->move(workArea.width() / 2 - 140, workArea.height() / 2 - 120);
    Levetid1->setEnabled(true);
    Prognose1->setEnabled(true);
    Folketllinger1->setEnabled(true);
    State.LifetimeViewActive = false;
    Timer1->setInterval(3000);
    Timer1->start();
}

void TForm1::Afslut1Click() {
    close();
}

void TForm1::enPersonClick() {
    Form2->ShowView();
    Form2->StartOnePerson();
}

void TForm1::Topersoner1Click() {
    Form2->ShowView();
    Form2->StartTwoPersons();
}

// Print dispatch, first match wins: the lifetime view when it has shown a
// result and is the view in front (a covered or hidden one is not what the
// user sees), else the projection view if it is on show, else the census view.
void TForm1::Udskriv1Click() { PrintChosen(PrintChoice(ViewsShownNow())); }

void TForm1::Omprogrammet1Click() {
    ExecModal(*AboutBox);
}

void TForm1::Graf1Click() {
    Form2->ShowLifetimeGraph();
}

void TForm1::Tabel1Click() {
    Form2->oversigter();
}

void TForm1::Inddata1Click() {
    Form2->hide();
    Form4->ResetCensusView();
    Form4->hide();
    Form3->EnterInputs();
}

void TForm1::Tabel2Click() {
    Form3->ShowTable();
}

void TForm1::Pyramide1Click() {
    Form3->ShowPyramid();
}

void TForm1::Inddata2Click() {
    Form3->DisableProjectionActions();
    Form3->hide();
    Form4->StartCensusInput();
}

void TForm1::Tabel3Click() {
    Form4->ShowCensusTable();
}

void TForm1::Pyramide2Click() {
    Form4->ShowCensusPyramid();
}

void TForm1::Ialtgraf2Click() {
    Form4->ShowCensusTotalGraph();
}

void TForm1::Ialtgraf1Click() {
    Form3->ShowTotalGraph();
}

void TForm1::Fortst1Click() {
    Form3->ContinueProjection();
}

void TForm1::Basisr1Click() {
    Form2->hide();
    Form4->ResetCensusView();
    Form4->hide();
    Form3->ChooseBaseYear();
}

void TForm1::Middellevetid1Click() {
    Form3->DisableProjectionActions();
    Form3->hide();
    Form4->ShowLifeExpectancyTable();
}

void TForm1::Ddelighed1Click() {
    Form3->DisableProjectionActions();
    Form3->hide();
    Form4->ShowMortalityTable();
}

void TForm1::Fertilitet1Click() {
    Form3->DisableProjectionActions();
    Form3->hide();
    Form4->ShowFertilityTable();
}

void TForm1::FormClose() {}

// Copy dispatch by the main menu opened last; any other value copies nothing.
void TForm1::KopiertilKlippebordet1Click() { CopyChosen(CopyChoice(ActiveView, ViewsShownNow())); }

void TForm1::Levetid1Click() {
    ActiveView = ActiveViews::Lifetime;
}

void TForm1::Prognose1Click() {
    ActiveView = ActiveViews::Projection;
}

void TForm1::Folketllinger1Click() {
    ActiveView = ActiveViews::Census;
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    Image1->hide();
}

void TForm1::Aldersgrupper1Click() {
    Form3->ShowAgeGroups();
}

void TForm1::Vejledning1Click() {
    ExecModal(*Form9);
}

namespace {

// The projection or census view whose chart is on show, if any.
PopulationView* ChartViewOnShow() {
    if (Form3 && Form3->ChartOnShow()) return Form3;
    if (Form4 && Form4->ChartOnShow()) return Form4;
    return nullptr;
}

void ShowItem(QAction* action, const MenuItemState& item) {
    action->setEnabled(item.Enabled);
    if (action->isCheckable()) action->setChecked(item.Checked);
    action->setVisible(item.Visible);
    if (!item.Caption.empty()) action->setText(QString::fromStdString(item.Caption));
}

}  // namespace

// Also run as the menu opens: a view covered or uncovered changes what is on
// show without a change of its commands.
void TForm1::UpdateExtraItems() {
    if (!Form3 || !Form4) return;
    const ExtraMenuState menu = ExtraMenu(ViewsShownNow(), Form3->Chart, Form4->Chart);
    ShowItem(Afspilprognose1, menu.Afspilprognose1);
    ShowItem(Sammenlign1, menu.Sammenlign1);
    ShowItem(Sammenlignfolketlling1, menu.Sammenlignfolketlling1);
    ShowItem(Sammenlignudenindvandring1, menu.Sammenlignudenindvandring1);
    ShowItem(Visiprocent1, menu.Visiprocent1);
    ShowItem(Gemsom1, menu.Gemsom1);
    ShowItem(Sammenlignfaktisk1, menu.Sammenlignfaktisk1);
    ShowItem(Glemindlstetal1, menu.Glemindlstetal1);
}

void TForm1::Afspilprognose1Click() {
    if (Form3) Form3->PlayProjection();
}

void TForm1::Sammenlign1Click() {
    if (Form3 && Form3->ChartOnShow()) Form3->ChooseBaseYearOutline();
    else if (Form4 && Form4->ChartOnShow()) Form4->ChooseCensusOutline();
    UpdateExtraItems();
}

void TForm1::Sammenlignfolketlling1Click() {
    if (Form3 && Form3->ChartOnShow()) Form3->ChooseCensusOutline();
    UpdateExtraItems();
}

void TForm1::Sammenlignudenindvandring1Click() {
    if (Form3 && Form3->ChartOnShow()) Form3->ToggleWithoutMigrationComparison();
    UpdateExtraItems();
}

// The net migration applies to the next projection, and at once to the one
// on show.
void TForm1::Indvandring1Click() {
    if (ExecModal(*MigrationDlg) != QDialog::Accepted) return;
    if (Form3) Form3->ProjectAgain();
    UpdateExtraItems();
}

void TForm1::Visiprocent1Click() {
    if (PopulationView* chart = ChartViewOnShow()) chart->TogglePercent();
    UpdateExtraItems();
}

void TForm1::Gemsom1Click() {
    SaveViewOnShow(this);
}

void TForm1::Sammenlignfaktisk1Click() {
    if (Form3) Form3->ToggleActualComparison();
    UpdateExtraItems();
}

void TForm1::Indlstal1Click() {
    const QString path = ExecOpenFileDialog(this, "Indlæs tal fra Statistikbanken",
                                            {"Tabeller fra Statistikbanken (*.csv *.px *.txt)", "Alle filer (*)"});
    if (path.isEmpty()) return;
    QByteArray bytes;
    QString reason;
    if (!ReadChosenFile(path, bytes, reason)) {
        ShowMessageBox(reason, "Fejl");
        return;
    }
    const StatbankImportResult result =
        ImportStatbankFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (!result.Ok) {
        ShowMessageBox(QString::fromStdString(result.Message), "Fejl");
        return;
    }
    QString message = QString::fromStdString(result.Message);
    if (!RememberImports(reason)) message += "\nTallene kunne ikke gemmes til næste gang: " + reason;
    if (!ImportedBaseYears().empty()) {
        Form2->hide();
        Form4->ResetCensusView();
        Form4->hide();
        ActiveView = ActiveViews::Projection;
        Form3->ShowNewestImport();
    }
    UpdateExtraItems();
    ShowMessageBox(message, "Statistikbanken");
}

void TForm1::Glemindlstetal1Click() {
    ForgetStatbankImports();
    QString reason;
    const bool removed = RememberImports(reason);
    if (Form3) Form3->ForgetImports();
    UpdateExtraItems();
    ShowMessageBox(removed ? QStringLiteral("De indlæste tal er glemt.") : reason, removed ? "Statistikbanken" : "Fejl");
}

void TForm1::ConnectView(ViewWindow* view, const CommandItems& items) {
    connect(view, &ViewWindow::CommandsChanged, this, [this, items](ViewCommands commands, bool available) {
        for (const auto& [command, item] : items)
            if (commands.testFlag(command)) item->setEnabled(available);
        // "Gem som" is an output command like "Udskriv". What is on show is
        // settled when the view's handler has finished, so look then.
        if (commands.testFlag(ViewCommand::Print) && !ExtraItemsDue) {
            ExtraItemsDue = true;
            QTimer::singleShot(0, this, [this] {
                ExtraItemsDue = false;
                UpdateExtraItems();
            });
        }
    });
}

void TForm1::ConnectViews() {
    ConnectView(Form2, {{ViewCommand::Print, Udskriv1}, {ViewCommand::Graph, Graf1}, {ViewCommand::Table, Tabel1}});
    ConnectView(Form3, {{ViewCommand::Print, Udskriv1},
                        {ViewCommand::Table, Tabel2},
                        {ViewCommand::Pyramid, Pyramide1},
                        {ViewCommand::TotalGraph, Ialtgraf1},
                        {ViewCommand::Continue, Fortst1},
                        {ViewCommand::AgeGroups, Aldersgrupper1}});
    ConnectView(Form4, {{ViewCommand::Print, Udskriv1},
                        {ViewCommand::Table, Tabel3},
                        {ViewCommand::Pyramid, Pyramide2},
                        {ViewCommand::TotalGraph, Ialtgraf2}});
}
