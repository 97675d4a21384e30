#include "gui/startup/frmSplash.h"

#include "core/base/Message.h"
#include "core/base/TeacherFolder.h"
#include "core/program/ProgramState.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ReadableColour.h"
#include "gui/widgets/StampCursor.h"

#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tq {

namespace {

const char* const credits = "by the Tallyquill developers";
const char* const favouritesFilter = "Tallyquill Favourites (*.tqf)|*.tqf";
constexpr int pictureSize = 112;

QLabel* pictureLabel(const QString& name, const QString& resource, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QIcon(resource).pixmap(QSize(pictureSize, pictureSize)));
    label->setFixedSize(pictureSize, pictureSize);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* wideButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ui::programFont(QStringLiteral("Courier New"), 10));
    button->setMinimumHeight(38);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

bool isSmallScreen(int screenHeightPixels)
{
    // The height in twips over the twips per pixel, as a single-precision value, against 600.
    return static_cast<float>(screenHeightPixels) == 600.0f;
}

frmSplash::frmSplash(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    loadIconResources();
    buildControls();
    Form_Load();
}

void frmSplash::buildControls()
{
    Image1 = pictureLabel(QStringLiteral("Image1"), QStringLiteral(":/icons/splashQuill.svg"), this);
    Image2 = pictureLabel(QStringLiteral("Image2"), QStringLiteral(":/icons/splashBook.svg"), this);

    Label1 = new QLabel(QStringLiteral("Tallyquill"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(ui::programFont(QStringLiteral("Bauhaus 93"), 34));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette title = Label1->palette();
    title.setColor(QPalette::WindowText, ui::readableOn(QColor(0x2b, 0x5c, 0x9e), title.color(QPalette::Window)));
    Label1->setPalette(title);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText); // keeps the run of spaces before the school's name
    Label2->setAlignment(Qt::AlignCenter);
    QFont versionFont = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    versionFont.setBold(true);
    Label2->setFont(versionFont);

    Label3 = new QLabel(QString::fromLatin1(credits), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignCenter);
    QFont creditFont = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    creditFont.setItalic(true);
    Label3->setFont(creditFont);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    cmdOpenFavourites = wideButton(QStringLiteral("cmdOpenFavourites"),
                                   QStringLiteral("Open An Existing Favourite Phrase File"), this);
    cmdCancel = wideButton(QStringLiteral("cmdCancel"),
                           QStringLiteral("Proceed Without Opening An Existing Favourite File"), this);
    cmdOpenFavourites->setDefault(true);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    header->addWidget(Image1, 0, Qt::AlignVCenter);
    header->addWidget(Label1, 1);
    header->addWidget(Image2, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 28);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addSpacing(8);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addSpacing(12);
    layout->addWidget(rule);
    layout->addSpacing(12);
    layout->addWidget(cmdOpenFavourites);
    layout->addWidget(cmdCancel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOpenFavourites, &QPushButton::clicked, this, &frmSplash::cmdOpenFavourites_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSplash::cmdCancel_Click);
}

void frmSplash::Form_Load()
{
    // Closing the window without either button leaves the program without a favourites file.
    state_.favourites.favouritesFile.clear();
    setWindowTitle(QStringLiteral("Tallyquill v") + QString::fromLatin1(versionLabel));
    // The school comes from the administrator's set-up file. Without one the line ends after the
    // version: trailing spaces would only push the centred text off centre.
    QString version = QStringLiteral("Version ") + QString::fromLatin1(versionLabel);
    if (!state_.school.empty())
        version += QStringLiteral("      ") + ui::fromCp1252(state_.school);
    Label2->setText(version);
    const QScreen* screen = QGuiApplication::primaryScreen();
    state_.smallScreen = screen && isSmallScreen(screen->size().height());
}

void frmSplash::cmdOpenFavourites_Click()
{
    const QString initialFolder = QFile::decodeName(dialogStartFolder(state_.folders.teacherFolder).c_str());
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Favourite Phrase File"),
                                             QString::fromLatin1(favouritesFilter), initialFolder);
    state_.favourites.favouritesFile = chosen.isEmpty() ? std::string() : QFile::encodeName(chosen).toStdString();
    accept();
}

void frmSplash::cmdCancel_Click()
{
    state_.favourites.favouritesFile.clear();
    reject();
}

} // namespace tq
