// The windows' benchmarks, offscreen: the grid rebuild against a bare Qt table, the details
// panel, and single grid actions at 10 and at 501 students; Initial Values Setup at 100 ranges;
// the Class Summary at 501 students.
#include "bench/MedianRatios.h"
#include "bench/gui/BenchWindow.h"

#include <QApplication>

namespace {
// The offscreen platform warns at every window shown that it cannot pass on size hints, and at
// every window brought to the front that it cannot raise it.
QtMessageHandler usualHandler = nullptr;

void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")) && !message.contains(QLatin1String("support raise()")))
        usualHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    usualHandler = qInstallMessageHandler(quietOffscreenWarnings);

    using namespace tq::bench;
    Goals goals;
    goals.ratios = {
        {"Grid rebuild, fillflexGrid (501)", "BM_FillGrid/501", "BM_Floor_BareTable/501", 1.5},
        {"Type a mark and Enter: 501 against 10 students", "BM_Action_TypeMark/501", "BM_Action_TypeMark/10", 1.2},
        {"Place a comment by click: 501 against 10", "BM_Action_PlaceComment/501", "BM_Action_PlaceComment/10", 1.2},
        {"Rate a skill by click: 501 against 10", "BM_Action_RateSkill/501", "BM_Action_RateSkill/10", 1.2},
        {"Ranges grid rebuild, Initial Values Setup (100 ranges)", "BM_AutoFill_FillGrid", "BM_Floor_BareRangeTable", 1.5},
        {"Search, everything listed (10,000), painted", "BM_Search/0", "BM_Floor_BareListView/0", 1.5},
        {"Search, one keyword (626 found), painted", "BM_Search/1", "BM_Floor_BareListView/1", 1.5},
        {"Search, duplicate filter at 399 matches, painted", "BM_Search/2", "BM_Floor_BareListView/2", 1.5},
        {"Open Comment Selection (1,000 favourites)", "BM_OpenSelection", "BM_Floor_BareWindowWithList", 1.5},
        {"Type a mark (501), recovery copies at most every 2 s, against none", "BM_Recovery_TypeMark501/1",
         "BM_Recovery_TypeMark501/0", 1.1},
        {"Type a mark (501), a recovery copy after every mark, against none", "BM_Recovery_TypeMark501/2",
         "BM_Recovery_TypeMark501/0", 0},
        {"Type a mark (501), Class Summary open, against closed", "BM_Summary_TypeMark501/1",
         "BM_Summary_TypeMark501/0", 1.1},
        {"Type a mark (501), Class Summary brought up to date after every mark, against closed",
         "BM_Summary_TypeMark501/2", "BM_Summary_TypeMark501/0", 0},
        {"A key in the free-form dialog (460 characters), checked and painted, against a bare text box",
         "BM_FreeForm_TypeKey460", "BM_Floor_BareTextBoxKey460", 0},
    };
    const std::string frame = "a frame (16.7 ms)";
    goals.budgets = {
        {"displayDetails, one student", "BM_DisplayDetails", frameSeconds, frame},
        {"Type a mark and Enter (501)", "BM_Action_TypeMark/501", frameSeconds, frame},
        {"Place a comment by click (501)", "BM_Action_PlaceComment/501", frameSeconds, frame},
        {"Rate a skill by click (501)", "BM_Action_RateSkill/501", frameSeconds, frame},
        {"Grid rebuild, fillflexGrid (501)", "BM_FillGrid/501", 0.1, "0.1 s (felt as instant)"},
        {"Open Initial Values Setup (100 ranges, 1,000 favourites)", "BM_AutoFill_Open", frameSeconds, frame},
        {"Place a code in a range by click", "BM_AutoFill_PlaceComment", frameSeconds, frame},
        {"Rate a range's skill by click", "BM_AutoFill_RateSkill", frameSeconds, frame},
        {"Search, everything listed (10,000)", "BM_Search/0", frameSeconds, frame},
        {"Search, one keyword", "BM_Search/1", frameSeconds, frame},
        {"Search, duplicate filter at 399 matches", "BM_Search/2", frameSeconds, frame},
        {"Move a favourite up or down (1,000)", "BM_Favourites_MoveRow", frameSeconds, frame},
        {"One step of dragging a favourite (1,000)", "BM_Favourites_DragStep", frameSeconds, frame},
        {"Recovery copy's part on the window's thread (501)", "BM_Recovery_WindowPart501", 0.001,
         "1 ms of the window's time per change"},
        {"Class Summary worked out again and painted (501)", "BM_Summary_Update501", frameSeconds, frame},
        {"A key in the free-form dialog, 460-character comment checked again and painted", "BM_FreeForm_TypeKey460",
         frameSeconds, frame},
        {"Open the free-form dialog (10,000 phrases, 501 students)", "BM_FreeForm_Open", 0.1, "0.1 s (felt as instant)"},
    };
    const int result = runBenchmarksWithGoals(argc, argv, goals);
    closeBenchWindows();
    return result;
}
