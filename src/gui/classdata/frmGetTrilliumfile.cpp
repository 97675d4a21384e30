#include "gui/classdata/frmGetTrilliumfile.h"

#include "core/classdata/MasterFile.h"
#include "core/classdata/NewClass.h"
#include "core/program/ProgramState.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/DropDownList.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {
// Each caption has its Alt letter: the list of classes, the mode box and the button.
const char* const singleCaption = "&Get Class";
const char* const multiCaption = "&Get Classes";
const char* const firstPrompt = "&Select a Class     ";
const char* const singlePrompt = "&Select a Class";
const char* const multiPrompt = "&Select ALL Classes";
constexpr int listHeightRows = 12;
} // namespace

QString multiCourseWarningText()
{
    return QStringLiteral("This feature is intended for teachers who have many sections assigned to a single "
                          "period/room.  These multiple sections form a single period \"class\".\n\n"
                          "(Normal classroom teachers should NOT use this feature.)\n\n"
                          "Select the courses by holding the Ctrl button and clicking the course code. (You can "
                          "de-select courses this way as well.) Finally hit the \"Get Classes\" button.");
}

frmGetTrilliumfile::frmGetTrilliumfile(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmGetTrilliumfile"));
    setWindowTitle(QStringLiteral("Get New Class File"));
    setAttribute(Qt::WA_DeleteOnClose);

    const QFont font = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    setFont(font);
    lblSelect = new QLabel(QString::fromLatin1(firstPrompt), this);
    lblSelect->setObjectName(QStringLiteral("lblSelect"));
    QFont bold = font;
    bold.setBold(true);
    lblSelect->setFont(bold);
    cboClasses = new ui::DropDownList(this);
    cboClasses->setObjectName(QStringLiteral("cboClasses"));
    cboClasses->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMM")));
    cboClasses->setMaxVisibleItems(20);
    cboClasses->setPlaceholderText(QStringLiteral("(choose a class)"));
    // A screen reader reads the list as "Class, " and the class chosen.
    cboClasses->setAccessibleName(QStringLiteral("Class"));
    ui::showFocusRing(cboClasses);
    lstMultiSelect = new QListWidget(this);
    lstMultiSelect->setObjectName(QStringLiteral("lstMultiSelect"));
    lstMultiSelect->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstMultiSelect->setMinimumHeight(QFontMetrics(font).height() * listHeightRows);
    lstMultiSelect->hide();
    chkMultiCourse = new QCheckBox(QStringLiteral("&Multiple Course Selection Mode"), this);
    chkMultiCourse->setObjectName(QStringLiteral("chkMultiCourse"));
    lblWarning = new QLabel(multiCourseWarningText(), this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setTextFormat(Qt::PlainText);
    lblWarning->setWordWrap(true);
    lblWarning->setFixedWidth(QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) * 52);
    lblWarning->hide();
    cmdGetClass = new QPushButton(QString::fromLatin1(singleCaption), this);
    cmdGetClass->setObjectName(QStringLiteral("cmdGetClass"));
    cmdGetClass->setDefault(true);
    cmdGetClass->hide();
    // The prompt names the list in the multiple course mode and the drop-down list otherwise.
    ui::captionControl(lblSelect, lstMultiSelect);
    ui::captionControl(lblSelect, cboClasses);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(10);
    layout->addWidget(lblSelect, 0, 0);
    layout->addWidget(cboClasses, 1, 0, Qt::AlignTop);
    layout->addWidget(lstMultiSelect, 1, 0);
    layout->addWidget(lblWarning, 1, 1, Qt::AlignTop);
    layout->addWidget(chkMultiCourse, 2, 0, 1, 2);
    layout->addWidget(cmdGetClass, 3, 0, Qt::AlignLeft);
    layout->setRowStretch(1, 1);
    layout->setColumnMinimumWidth(0, QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) * 34);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkMultiCourse, &QCheckBox::clicked, this, [this] { chkMultiCourse_Click(); });
    connect(cmdGetClass, &QPushButton::clicked, this, [this] { cmdGetClass_Click(); });
}

void frmGetTrilliumfile::Form_Load()
{
    show();
    cmdGetClass->hide();
    fillClassListCombo();
    // The keyboard starts on the class list, where the teacher chooses.
    cboClasses->setFocus(Qt::OtherFocusReason);
}

void frmGetTrilliumfile::fillClassListCombo()
{
    const ClassCodeList list = readClassCodeList(masterFilePath(state_.folders.dataFolder), state_.clock);
    if (list.message) {
        ui::showMessage(dialogs_, this, *list.message);
        if (list.message->endsProgram) {
            close();
            emit programMustEnd();
        } else if (*list.message == masterUnreadableMessage()) {
            // Closed rather than hidden, so that the next New reads the master file afresh.
            close();
        }
        return;
    }
    cboClasses->clear();
    lstMultiSelect->clear();
    for (const std::string& code : list.codes) {
        cboClasses->addItem(ui::fromCp1252(code));
        lstMultiSelect->addItem(ui::fromCp1252(code));
    }
    // A list that offers its first code as chosen would build a class the teacher did not pick.
    cboClasses->setCurrentIndex(-1);
    cmdGetClass->show();
}

void frmGetTrilliumfile::chkMultiCourse_Click()
{
    const bool multi = chkMultiCourse->isChecked();
    lblSelect->setText(QString::fromLatin1(multi ? multiPrompt : singlePrompt));
    ui::captionControl(lblSelect, multi ? static_cast<QWidget*>(lstMultiSelect) : cboClasses);
    cmdGetClass->setText(QString::fromLatin1(multi ? multiCaption : singleCaption));
    lblWarning->setVisible(multi);
    cboClasses->setVisible(!multi);
    lstMultiSelect->setVisible(multi);
}

std::vector<std::string> frmGetTrilliumfile::chosenCodes() const
{
    std::vector<std::string> codes;
    if (chkMultiCourse->isChecked()) {
        for (int i = 0; i < lstMultiSelect->count(); ++i)
            if (lstMultiSelect->item(i)->isSelected())
                codes.push_back(ui::toCp1252(lstMultiSelect->item(i)->text()));
    } else if (!cboClasses->currentText().isEmpty()) {
        codes.push_back(ui::toCp1252(cboClasses->currentText()));
    }
    return codes;
}

void frmGetTrilliumfile::cmdGetClass_Click()
{
    // The open class stays until the new one has been built: nothing chosen, or a class that
    // cannot be built, leaves it as it was and the dialog open.
    NewClassBuild build = buildNewClass(masterFilePath(state_.folders.dataFolder), chosenCodes());
    if (build.message)
        ui::showMessage(dialogs_, this, *build.message);
    if (!build.students)
        return;
    state_.students = std::move(*build.students);
    emit classBuilt();
    close();
}

} // namespace tq
