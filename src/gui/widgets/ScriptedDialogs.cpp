#include "gui/widgets/ScriptedDialogs.h"

namespace tq::ui {
namespace {

template <typename T>
T takeOr(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

// Hands the program a printer whose recording the script keeps.
class SharedPrinter : public LinePrinter {
public:
    explicit SharedPrinter(std::shared_ptr<RecordingPrinter> target) : m_target(std::move(target)) {}
    bool setOrientation(Orientation orientation) override { return m_target->setOrientation(orientation); }
    bool setFont(const QString& name, qreal pointSize) override { return m_target->setFont(name, pointSize); }
    QString fontName() const override { return m_target->fontName(); }
    qreal fontSize() const override { return m_target->fontSize(); }
    bool printLine(const QString& text) override { return m_target->printLine(text); }
    bool printPicture(const QString& name, int lines, const PaintPicture& paint) override
    {
        return m_target->printPicture(name, lines, paint);
    }
    bool newPage() override { return m_target->newPage(); }
    bool fitLinesPerPage(int lines, const QString& fontName, qreal pointSize) override
    {
        return m_target->fitLinesPerPage(lines, fontName, pointSize);
    }
    bool endDocument() override { return m_target->endDocument(); }

private:
    std::shared_ptr<RecordingPrinter> m_target;
};

} // namespace

RecordingPrinter& ScriptedDialogs::answerPrinter(std::optional<QPageLayout::Orientation> chosen)
{
    m_printerAnswers.push_back({std::make_shared<RecordingPrinter>(), chosen});
    return *m_printerAnswers.back().printer;
}

bool ScriptedDialogs::allAnswersUsed() const
{
    return m_questions.empty() && m_choices.empty() && m_inputs.empty() && m_openFiles.empty() && m_saveFiles.empty()
        && m_printerAnswers.empty();
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::callsOf(Kind kind) const
{
    std::vector<Call> out;
    for (const Call& call : calls) {
        if (call.kind == kind)
            out.push_back(call);
    }
    return out;
}

void ScriptedDialogs::message(QWidget*, const QString& text, const QString& title, Icon icon)
{
    Call call;
    call.kind = Kind::Message;
    call.text = text;
    call.title = title;
    call.icon = icon;
    calls.push_back(call);
}

int ScriptedDialogs::choose(QWidget*, const QString& text, const QString& title, const QStringList& buttons,
                            int defaultButton)
{
    Call call;
    call.kind = Kind::Choice;
    call.text = text;
    call.title = title;
    call.buttons = buttons;
    call.defaultButton = defaultButton;
    calls.push_back(call);
    return takeOr(m_choices, static_cast<int>(buttons.size()) - 1);
}

bool ScriptedDialogs::question(QWidget*, const QString& text, const QString& title)
{
    Call call;
    call.kind = Kind::Question;
    call.text = text;
    call.title = title;
    calls.push_back(call);
    return takeOr(m_questions, Reply::No) == Reply::Yes;
}

Dialogs::Answer ScriptedDialogs::questionWithCancel(QWidget*, const QString& text, const QString& title)
{
    Call call;
    call.kind = Kind::Question;
    call.text = text;
    call.title = title;
    call.buttons = {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")};
    calls.push_back(call);
    switch (takeOr(m_questions, Reply::No)) {
    case Reply::Yes: return Answer::Yes;
    case Reply::No: return Answer::No;
    case Reply::Cancel:
    case Reply::Escape:
    case Reply::CloseBox: break;
    }
    return Answer::Cancel;
}

bool ScriptedDialogs::questionDefaultNo(QWidget* parent, const QString& text, const QString& title)
{
    const bool yes = question(parent, text, title);
    calls.back().defaultButton = 1;
    return yes;
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title, const QString& defaultText)
{
    Call call;
    call.kind = Kind::Input;
    call.text = prompt;
    call.title = title;
    call.defaultText = defaultText;
    calls.push_back(call);
    return takeOr(m_inputs, QString());
}

QString ScriptedDialogs::openFile(QWidget*, const QString& title, const QString& filter, const QString& initialFolder)
{
    Call call;
    call.kind = Kind::OpenFile;
    call.title = title;
    call.filter = filter;
    call.initialFolder = initialFolder;
    calls.push_back(call);
    return takeOr(m_openFiles, QString());
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString& filter,
                                  const QString& initialFolder, const QString& fileName)
{
    Call call;
    call.kind = Kind::SaveFile;
    call.title = title;
    call.filter = filter;
    call.initialFolder = initialFolder;
    call.fileName = fileName;
    calls.push_back(call);
    // The answer as the real dialog gives it: with the filter's extension.
    return pathWithRequiredExtension(takeOr(m_saveFiles, QString()), filter);
}

std::unique_ptr<LinePrinter> ScriptedDialogs::choosePrinter(QWidget*, QPageLayout::Orientation orientation)
{
    Call call;
    call.kind = Kind::Printer;
    call.orientation = orientation;
    calls.push_back(call);
    const PrinterAnswer answer = takeOr(m_printerAnswers, PrinterAnswer{});
    std::shared_ptr<RecordingPrinter> printer = answer.printer;
    if (!printer)
        return nullptr;
    printer->setDialogOrientation(answer.chosen.value_or(orientation));
    m_printersHandedOut.push_back(printer);
    return std::make_unique<SharedPrinter>(std::move(printer));
}

void ScriptedDialogs::previewPrint(QWidget*, const QString& title, QPageLayout::Orientation orientation,
                                   PaintPages paint)
{
    Call call;
    call.kind = Kind::Preview;
    call.title = title;
    call.orientation = orientation;
    calls.push_back(call);
    auto pages = std::make_shared<RecordingPrinter>();
    paint(*pages);
    previews.push_back(std::move(pages));
}

} // namespace tq::ui
