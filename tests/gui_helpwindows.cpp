// The About box and the guide window, the replaceable dialog functions and
// the pictures held in the program.
#include "DialogRecorder.h"
#include "GuiHarness.h"

#include "About.h"
#include "Mainunit.h"
#include "Pictures.h"
#include "Unit9.h"

#include <QPrintDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <QFontInfo>
#include <QFrame>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QWindow>

namespace {

struct LabelRow {
    const char* Name;
    const char* Text;  // nullptr: any text that is not empty
    QPoint Position;
    const char* Family;
    int PixelSize;
};

void ExpectLabel(QWidget* window, const LabelRow& row) {
    SCOPED_TRACE(row.Name);
    auto* label = window->findChild<QLabel*>(row.Name);
    ASSERT_NE(label, nullptr);
    if (row.Text)
        EXPECT_EQ(label->text(), QString::fromUtf8(row.Text));
    else
        EXPECT_FALSE(label->text().trimmed().isEmpty());
    EXPECT_EQ(label->pos(), row.Position);
    const QFontInfo font(label->font());
    EXPECT_EQ(font.family(), row.Family);
    EXPECT_EQ(font.pixelSize(), row.PixelSize);
    EXPECT_TRUE(font.bold());
    EXPECT_GE(label->width(), label->sizeHint().width()) << "text cut";
}

TEST(AboutBox, NameVersionAndMakerLine) {
    ProgramStart();
    const LabelRow rows[] = {
        {"ProductName", "Lysvandre", {128, 24}, "Liberation Sans", 24},
        {"Version", "Version 110109", {136, 76}, "Liberation Sans", 11},
        {"MakerLine", nullptr, {8, 108}, "Liberation Sans", 16},
    };
    for (const LabelRow& row : rows) ExpectLabel(AboutBox, row);
    EXPECT_EQ(AboutBox->Version->parentWidget(), AboutBox->Panel1);

    EXPECT_TRUE(AboutBox->windowTitle().isEmpty());
    EXPECT_EQ(AboutBox->size(), QSize(383, 199));
    EXPECT_EQ(QFontInfo(AboutBox->font()).pixelSize(), 13);
    EXPECT_EQ(AboutBox->Panel1->geometry(), QRect(8, 8, 369, 149));
    EXPECT_EQ(AboutBox->ProgramIcon->geometry(), QRect(80, 24, 33, 33));
    EXPECT_FALSE(AboutBox->ProgramIcon->pixmap().isNull());
    EXPECT_EQ(AboutBox->OKButton->text(), "&OK");
    EXPECT_EQ(AboutBox->OKButton->geometry(), QRect(147, 162, 77, 27));
    EXPECT_TRUE(AboutBox->OKButton->isDefault());
    EXPECT_FALSE(AboutBox->OKButton->icon().isNull());
}

TEST(GuideWindow, PointsToTheTwoStudentTexts) {
    ProgramStart();
    const LabelRow rows[] = {
        {"Label1", "Nærmere oplysninger om programmet og dets brug findes i elevteksterne:", {24, 24},
         "Liberation Mono", 16},
        {"Label2", "ULKE-Tema: Levetid                ULKE-Tema: Befolkningsprognose", {24, 56},
         "Liberation Mono", 19},
    };
    for (const LabelRow& row : rows) ExpectLabel(Form9, row);
    EXPECT_EQ(Form9->windowTitle(), "  Vejledning");
    EXPECT_EQ(ProgramStart().GuidePosition, QPoint(127, 176));
    EXPECT_EQ(Form9->BitBtn1->text(), "OK");
    EXPECT_EQ(Form9->BitBtn1->geometry(), QRect(624, 104, 75, 25));
    EXPECT_TRUE(Form9->BitBtn1->isDefault());
}

// Runs a help window from the menu for real (a modal event loop) and presses
// key in it; a guard closes it if the key did not, so a fault fails the test
// instead of hanging it.
int RunModalAndPress(QAction* item, QDialog* window, Qt::Key key) {
    int result = -1;
    DialogRecorder dialogs;
    dialogs.OnExec = [&](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, key] {
            QWidget* modal = QApplication::activeModalWidget();
            QTest::keyClick(modal ? modal : &dialog, key);
        });
        QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(-7); });
        result = dialog.exec();
        return result;
    };
    item->trigger();
    EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({window->objectName()}));
    EXPECT_TRUE(window->isHidden());
    return result;
}

TEST(GuideWindow, EnterClosesIt) {
    ProgramStart();
    EXPECT_EQ(RunModalAndPress(Form1->Vejledning1, Form9, Qt::Key_Return), QDialog::Accepted);
    EXPECT_EQ(RunModalAndPress(Form1->Vejledning1, Form9, Qt::Key_Enter), QDialog::Accepted);
}

TEST(AboutBox, EnterClosesIt) {
    ProgramStart();
    EXPECT_EQ(RunModalAndPress(Form1->Omprogrammet1, AboutBox, Qt::Key_Return), QDialog::Accepted);
    // An empty native title would be replaced by the program's file name in
    // the title bar; the box keeps its bar blank.
    ASSERT_NE(AboutBox->windowHandle(), nullptr);
    EXPECT_TRUE(AboutBox->windowHandle()->title().trimmed().isEmpty());
    EXPECT_FALSE(AboutBox->windowHandle()->title().isEmpty());
    EXPECT_TRUE(AboutBox->windowTitle().isEmpty());
}

TEST(Dialogs, MessageBoxHasTheTextTheCaptionAndOneOkButton) {
    ProgramStart();
    DialogRecorder dialogs;
    dialogs.UseProgramMessageBox();
    QString title, text;
    QList<QAbstractButton*> buttons;
    QMessageBox::StandardButtons standard;
    dialogs.OnExec = [&](QDialog& dialog) {
        auto& box = dynamic_cast<QMessageBox&>(dialog);
        title = box.windowTitle();
        text = box.text();
        buttons = box.buttons();
        standard = box.standardButtons();
        return int(QDialog::Accepted);
    };
    ShowMessageBox("Alderen kan højst være 99 år. ", "Fejl");
    EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({"MessageBox"}));
    EXPECT_EQ(title, "Fejl");
    EXPECT_EQ(text, "Alderen kan højst være 99 år. ");
    EXPECT_EQ(buttons.size(), 1);
    EXPECT_EQ(standard, QMessageBox::Ok);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST(Dialogs, PrintDialogOffersNoPageRangeAndReportsTheAnswer) {
    ProgramStart();
    for (int answer : {int(QDialog::Accepted), int(QDialog::Rejected)}) {
        SCOPED_TRACE(answer);
        DialogRecorder dialogs;
        dialogs.UseProgramPrintDialog();
        bool pageRange = true, selection = true, currentPage = true;
        dialogs.OnExec = [&](QDialog& dialog) {
            auto& print = dynamic_cast<QPrintDialog&>(dialog);
            pageRange = print.testOption(QAbstractPrintDialog::PrintPageRange);
            selection = print.testOption(QAbstractPrintDialog::PrintSelection);
            currentPage = print.testOption(QAbstractPrintDialog::PrintCurrentPage);
            return answer;
        };
        QPrinter printer;
        EXPECT_EQ(ExecPrintDialog(printer, Form1), answer == QDialog::Accepted);
        EXPECT_EQ(dialogs.ExecutedDialogs, QStringList({"PrintDialog"}));
        EXPECT_FALSE(pageRange);
        EXPECT_FALSE(selection);
        EXPECT_FALSE(currentPage);
    }
}

TEST(Dialogs, TheToolkitsOwnTextsAreDanish) {
    ProgramStart();
    QTranslator* translator = InstallDanishToolkitTexts();
    ASSERT_TRUE(translator) << "qtbase_da.qm is not installed";
    DialogRecorder dialogs;
    dialogs.UseProgramPrintDialog();
    QString title;
    dialogs.OnExec = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        return int(QDialog::Rejected);
    };
    QPrinter printer;
    ExecPrintDialog(printer, Form1);
    EXPECT_EQ(title, "Udskriv");

    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text().section('\t', 0, 0);
    EXPECT_TRUE(entries.contains("&Kopiér")) << entries.join('|').toStdString();
    EXPECT_TRUE(entries.contains("Markér alt")) << entries.join('|').toStdString();
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

TEST(Dialogs, RecorderPutsTheProgramsFunctionsBack) {
    ProgramStart();
    int outerExecs = 0;
    const ExecModalFunction outer = [&](QDialog&) { return ++outerExecs, int(QDialog::Rejected); };
    const ExecModalFunction saved = SetExecModalFunction(outer);
    {
        DialogRecorder dialogs;
        ExecModal(*AboutBox);
        EXPECT_EQ(dialogs.ExecutedDialogs.size(), 1);
    }
    EXPECT_EQ(ExecModal(*AboutBox), int(QDialog::Rejected));
    EXPECT_EQ(outerExecs, 1);
    SetExecModalFunction(saved);
}

QByteArray StartPictureData() {
    QFile file(":/lysvandre/start.jpg");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Pictures, StartPictureIsTheNameOnGreyDecodedByLibjpeg) {
    ProgramStart();
    const QImage picture = StartPicture();
    ASSERT_EQ(picture.size(), QSize(270, 220));
    for (QPoint corner : {QPoint(4, 4), QPoint(265, 4), QPoint(4, 215), QPoint(265, 215)}) {
        SCOPED_TRACE(corner.x() * 1000 + corner.y());
        const QColor c = picture.pixelColor(corner);
        EXPECT_LE(std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()), 12) << "grey";
        EXPECT_GT(c.red(), 0x80);
        EXPECT_LT(c.red(), 0xe0);
    }
    // The name is dark on the grey.
    int dark = 0;
    for (int x = 0; x < 270; ++x)
        for (int y = 30; y < 100; ++y) dark += qGray(picture.pixel(x, y)) < 0x50;
    EXPECT_GT(dark, 500);
}

TEST(Pictures, BadJpegDataGiveANullPictureNotACrash) {
    ProgramStart();
    const QByteArray good = StartPictureData();
    ASSERT_GT(good.size(), 1000);
    QByteArray flipped = good;
    for (qsizetype i = 600; i < flipped.size() - 2; i += 7) flipped[i] = char(flipped[i] ^ 0x5a);
    const struct {
        const char* Name;
        QByteArray Data;
    } rows[] = {
        {"empty", QByteArray()},
        {"not a picture", QByteArray("Lysvandre Version 110109")},
        {"start marker only", good.left(2)},
        {"header only", good.left(300)},
        {"cut in half", good.left(good.size() / 2)},
        {"png data", [] {
             QFile file(":/lysvandre/lysvandre-32.png");
             return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
         }()},
        {"scrambled scan data", flipped},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_TRUE(DecodeJpeg(row.Data).isNull());
    }
    EXPECT_EQ(DecodeJpeg(good).size(), QSize(270, 220));
}

TEST(Pictures, ProgramIconIsOnEveryWindow) {
    ProgramStart();
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({{32, 32}, {64, 64}, {128, 128}}));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), icon.availableSizes());
}

}  // namespace
