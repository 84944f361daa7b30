// The main window: the program's only top-level window, with the main menu,
// the start picture and the client area in which the three views live.
#pragma once

#include "ViewWindow.h"

#include <QMainWindow>

#include <cstdint>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTextEdit;
class QTimer;
class QTranslator;

// The toolkit's own texts (the standard dialogs, the text fields' context
// menus) in Danish like the rest of the program, whatever the user's locale.
// Returns the installed translator, owned by the application, or nullptr
// when the toolkit's Danish translations are not installed.
QTranslator* InstallDanishToolkitTexts();

// The main menu opened last (ActiveViews::None after start, else Lifetime,
// Projection or Census). "Kopier til Klippebordet" copies that view. A member
// of ViewGlobals.
extern int32_t& ActiveView;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();

    // The client area: white, holds Image1 and Memo1, and the views fill it.
    QWidget* ClientArea;
    QLabel* Image1;
    QTextEdit* Memo1;  // hidden; the path by which copied text reaches the clipboard
    QMenuBar* MainMenu1;
    QTimer* Timer1;

    // Menu items in display order; a menu's submenu is Item->menu().
    QAction* Filer1;
    QAction* Udskriv1;
    QAction* Afslut1;
    QAction* Rediger1;
    QAction* KopiertilKlippebordet1;
    QAction* Levetid1;
    QAction* enPerson;
    QAction* Topersoner1;
    QAction* Graf1;
    QAction* Tabel1;
    QAction* Prognose1;
    QAction* Inddata1;
    QAction* Tabel2;
    QAction* Pyramide1;
    QAction* Ialtgraf1;
    QAction* Fortst1;
    QAction* Basisr1;
    QAction* Aldersgrupper1;
    QAction* Folketllinger1;
    QAction* Inddata2;
    QAction* Tabel3;
    QAction* Pyramide2;
    QAction* Ialtgraf2;
    QAction* Historiskedata1;
    QAction* Middellevetid1;
    QAction* Ddelighed1;
    QAction* Fertilitet1;
    QAction* Ekstra1;
    QAction* Afspilprognose1;
    QAction* Sammenlign1;
    QAction* Sammenlignfolketlling1;
    QAction* Sammenlignudenindvandring1;
    QAction* Visiprocent1;
    QAction* Indvandring1;
    QAction* Gemsom1;
    QAction* Sammenlignfaktisk1;
    QAction* Indlstal1;
    QAction* Glemindlstetal1;
    QAction* Hjlp1;
    QAction* Vejledning1;
    QAction* Omprogrammet1;

    void FormShow();
    void Afslut1Click();
    void enPersonClick();
    void Topersoner1Click();
    void Udskriv1Click();
    void Omprogrammet1Click();
    void Graf1Click();
    void Tabel1Click();
    void Inddata1Click();
    void Tabel2Click();
    void Pyramide1Click();
    void Inddata2Click();
    void Tabel3Click();
    void Pyramide2Click();
    void Ialtgraf2Click();
    void Ialtgraf1Click();
    void Fortst1Click();
    void Basisr1Click();
    void Middellevetid1Click();
    void Ddelighed1Click();
    void Fertilitet1Click();
    void FormClose();
    void KopiertilKlippebordet1Click();
    void Levetid1Click();
    void Prognose1Click();
    void Folketllinger1Click();
    void Timer1Timer();
    void Aldersgrupper1Click();
    void Vejledning1Click();
    // Enables the items of "Ekstra" that apply to what is on show; runs as
    // the menu opens.
    void UpdateExtraItems();
    void Afspilprognose1Click();
    void Sammenlign1Click();
    void Sammenlignfolketlling1Click();
    void Sammenlignudenindvandring1Click();
    void Visiprocent1Click();
    void Indvandring1Click();
    void Gemsom1Click();
    void Sammenlignfaktisk1Click();
    void Indlstal1Click();
    void Glemindlstetal1Click();

    // Keeps the menu items to the commands the view says are available;
    // each item runs the command it is paired with. The views announce
    // their commands themselves and never switch these items.
    using CommandItems = std::vector<std::pair<ViewCommand, QAction*>>;
    void ConnectView(ViewWindow* view, const CommandItems& items);
    // The lifetime, projection and census views, once they exist.
    void ConnectViews();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddMenu(QMenuBar* bar, const char* name, const QString& caption);
    QAction* AddMenu(QAction* parent, const char* name, const QString& caption);
    QAction* AddItem(QAction* parent, const char* name, const QString& caption, void (TForm1::*handler)(),
                     bool enabled = true);

    bool Shown = false;
    bool ExtraItemsDue = false;  // "Ekstra" is looked at again once events run
};

extern TForm1* Form1;
