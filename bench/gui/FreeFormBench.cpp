// The free-form dialog as the teacher types into a comment at the Trillium limit: each key
// checks the comment again (the spelling line under the words, other students' names and
// pronouns in the line below) and is painted before the next. And the dialog's opening, which
// makes its checker from the 10,000-phrase library and the class of 501.
#include "bench/BenchData.h"
#include "bench/gui/BenchWindow.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/NamedControls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <utility>

namespace tq::bench {
namespace {

constexpr size_t commentLength = 460;

frmFreeFormCommentEntry* openFreeFormDialog(BenchWindow& bench)
{
    auto* details = ui::findNamed<QLabel>(&bench.window(), "lblFreeFormComment");
    QTest::mouseClick(details, Qt::LeftButton, {}, details->rect().center());
    QCoreApplication::processEvents(); // its first paint
    return bench.window().findChild<frmFreeFormCommentEntry*>();
}

void closeFreeFormDialog(frmFreeFormCommentEntry* dialog)
{
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
}

void BM_FreeForm_Open(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    for (auto _ : state) {
        frmFreeFormCommentEntry* dialog = openFreeFormDialog(bench);
        if (!dialog)
            state.SkipWithError("the free-form dialog did not open");
        state.PauseTiming();
        if (dialog)
            closeFreeFormDialog(dialog);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FreeForm_Open)->Unit(benchmark::kMillisecond);

// The comment of 459 characters the keys are typed after, with the caret at its end.
void fillToOneBelowTheLimit(QPlainTextEdit& text, const BenchWindow& bench)
{
    const StudentRecord& student = bench.students().front();
    text.setPlainText(ui::fromCp1252(typedFreeFormComment(student, bench.students(), 3, commentLength - 1)));
    text.moveCursor(QTextCursor::End);
    settle();
}

// A letter typed at the end of the comment, then taken back with Backspace, in turn: every key a
// change of the last word; each painted before the next.
void typeKeysInTurn(benchmark::State& state, QPlainTextEdit& text)
{
    int turn = 0;
    for (auto _ : state) {
        if (turn++ % 2 == 0)
            QTest::keyClick(&text, Qt::Key_S, Qt::NoModifier);
        else
            QTest::keyClick(&text, Qt::Key_Backspace);
        settle();
    }
    if (text.toPlainText().size() < static_cast<qsizetype>(commentLength - 1))
        state.SkipWithError("the keys did not reach the comment");
}

// The dialog opened and its text box; the text box is null (and the benchmark skipped) when it
// did not open.
std::pair<frmFreeFormCommentEntry*, QPlainTextEdit*> openedCommentBox(BenchWindow& bench, benchmark::State& state)
{
    frmFreeFormCommentEntry* dialog = openFreeFormDialog(bench);
    auto* text = dialog ? ui::findNamed<QPlainTextEdit>(dialog, "txtComment") : nullptr;
    if (!text)
        state.SkipWithError("the free-form dialog did not open");
    return {dialog, text};
}

void BM_FreeForm_TypeKey460(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    const auto [dialog, text] = openedCommentBox(bench, state);
    if (!text)
        return;
    fillToOneBelowTheLimit(*text, bench);
    typeKeysInTurn(state, *text);
    closeFreeFormDialog(dialog);
}
BENCHMARK(BM_FreeForm_TypeKey460)->Unit(benchmark::kMicrosecond);

// The floor: the same keys in a bare text box of the dialog's size and font holding the same
// text, with no checks.
void BM_Floor_BareTextBoxKey460(benchmark::State& state)
{
    BenchWindow& bench = benchWindow(largeClassSize);
    const auto [dialog, sized] = openedCommentBox(bench, state);
    if (!sized)
        return;
    QPlainTextEdit text;
    text.setFont(sized->font());
    text.resize(sized->size());
    closeFreeFormDialog(dialog);
    text.show();
    QCoreApplication::processEvents();
    fillToOneBelowTheLimit(text, bench);
    typeKeysInTurn(state, text);
}
BENCHMARK(BM_Floor_BareTextBoxKey460)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tq::bench
