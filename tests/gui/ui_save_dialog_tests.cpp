// The real save dialog, driven as a teacher drives it: the name typed, the final name settled
// by the dialog, and the question before a file is replaced.
#include "support/TestFiles.h"
#include "gui/widgets/QtDialogs.h"
#include "gui/widgets/SaveFileDialog.h"
#include "gui/widgets/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace tq::ui;
using tq::test::TempDir;

namespace {

const QString classFilter = QStringLiteral("Tallyquill Classes (*.tqc)|*.tqc");

// Runs `act` on the next shown modal window of type T (waiting for one to come up).
template <typename T>
void whenShown(std::function<void(T*)> act, QWidget* notThis = nullptr)
{
    QTimer::singleShot(10, [act, notThis] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w || w == notThis || !w->isVisible()) {
            whenShown<T>(act, notThis);
            return;
        }
        act(w);
    });
}

// Types `name` into the dialog's file name box and presses Save.
void typeAndSave(SaveFileDialog* dialog, const QString& name)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    dialog->accept();
}

void press(QMessageBox* box, const QString& button, QStringList* seen = nullptr)
{
    if (seen)
        *seen << box->text();
    for (QAbstractButton* b : box->buttons())
        if (b->text().remove('&') == button)
            b->click();
}

} // namespace

TEST(UiSaveFileDialog, TheNameWrittenIsTheNameChecked)
{
    TempDir dir;
    dir.write("period3.tqc", "a term's work\r\n");
    QtDialogs dialogs;

    // "period3" would be written as period3.tqc, which exists: the dialog asks. No keeps the
    // dialog open; the teacher then picks another name.
    QStringList asked;
    whenShown<SaveFileDialog>([&](SaveFileDialog* d) {
        whenShown<QMessageBox>([&, d](QMessageBox* box) {
            press(box, "No", &asked);
            whenShown<SaveFileDialog>([](SaveFileDialog* again) { typeAndSave(again, "period4"); });
        });
        typeAndSave(d, "period3");
    });
    const QString chosen = dialogs.saveFile(nullptr, "Save Class File", classFilter,
                                            QString::fromStdString(dir.path()), "ENG2D101");
    EXPECT_EQ(chosen, QString::fromStdString(dir.file("period4.tqc")));
    EXPECT_EQ(asked, QStringList{SaveFileDialog::replaceQuestion(QString::fromStdString(dir.file("period3.tqc")))});
    EXPECT_EQ(tq::test::readBytes(dir.file("period3.tqc")), "a term's work\r\n");

    // Yes answers with the existing file's full name.
    whenShown<SaveFileDialog>([&](SaveFileDialog* d) {
        whenShown<QMessageBox>([](QMessageBox* box) { press(box, "Yes"); });
        typeAndSave(d, "period3");
    });
    EXPECT_EQ(dialogs.saveFile(nullptr, "Save Class File", classFilter, QString::fromStdString(dir.path()), "x"),
              QString::fromStdString(dir.file("period3.tqc")));
}

TEST(UiSaveFileDialog, NamesGetTheExtensionTheReaderNeeds)
{
    TempDir dir;
    QtDialogs dialogs;
    const auto saveAs = [&](const QString& typed) {
        whenShown<SaveFileDialog>([typed](SaveFileDialog* d) { typeAndSave(d, typed); });
        return dialogs.saveFile(nullptr, "Save", classFilter, QString::fromStdString(dir.path()), "ENG2D101");
    };
    const QString folder = QString::fromStdString(dir.path()) + "/";
    EXPECT_EQ(saveAs("ENG2D1.01"), folder + "ENG2D1.01.tqc");   // a dot is not an extension
    EXPECT_EQ(saveAs("ENG2D101.TQC"), folder + "ENG2D101.tqc"); // the ending the reader accepts
    EXPECT_EQ(saveAs("ENG2D101.tqc"), folder + "ENG2D101.tqc");
    EXPECT_EQ(saveAs("notes.txt"), folder + "notes.txt.tqc");

    // Accepting the proposed name, which carries no extension, checks the name with it.
    dir.write("ENG2D101.tqc", "old");
    bool asked = false;
    whenShown<SaveFileDialog>([&](SaveFileDialog* d) {
        whenShown<QMessageBox>([&](QMessageBox* box) {
            asked = true;
            press(box, "No");
            whenShown<SaveFileDialog>([](SaveFileDialog* again) { again->reject(); });
        });
        d->accept();
    });
    EXPECT_EQ(dialogs.saveFile(nullptr, "Save", classFilter, QString::fromStdString(dir.path()), "ENG2D101"), "");
    EXPECT_TRUE(asked);
    EXPECT_EQ(tq::test::readBytes(dir.file("ENG2D101.tqc")), "old");
}

TEST(UiSaveFileDialog, ExtensionComesFromTheFilter)
{
    EXPECT_EQ(requiredExtension(classFilter), ".tqc");
    EXPECT_EQ(requiredExtension("Trillium Export (*.trc)|*.trc"), ".trc");
    EXPECT_EQ(requiredExtension("Tallyquill Favourites (*.tqf)|*.tqf;*.TQF"), ".tqf");
    EXPECT_EQ(requiredExtension("All files (*.*)|*.*"), "");
    EXPECT_EQ(requiredExtension("All files (*)|*"), "");
    EXPECT_EQ(requiredExtension("no pattern"), "");

    // The scripted dialogs answer as the real one does.
    ScriptedDialogs scripted;
    scripted.answerSaveFile("/home/t/period3");
    EXPECT_EQ(scripted.saveFile(nullptr, "Save", classFilter, "", "x"), "/home/t/period3.tqc");
    EXPECT_EQ(scripted.saveFile(nullptr, "Save", classFilter, "", "x"), ""); // cancelled
}
