// The core's benchmarks: files, phrases, sorting and the comment checks, each against its floor
// or a time budget.
#include "bench/MedianRatios.h"

int main(int argc, char** argv)
{
    using namespace tq::bench;
    Goals goals;
    goals.ratios = {
        {"Phrase library load (10,000)", "BM_PhraseLibraryLoad", "BM_Floor_ReadLines_PhraseLibrary", 2.0},
        {"Class file open (501)", "BM_ClassFileOpen501", "BM_Floor_ReadLines_ClassFile", 2.0},
        {"Filling 501 records from split fields, nothing parsed", "BM_Reference_FillRecords_ClassFile",
         "BM_Floor_ReadLines_ClassFile", 0},
        {"Class file open (501), against filling the records alone", "BM_ClassFileOpen501",
         "BM_Reference_FillRecords_ClassFile", 0},
        {"Class file save (501)", "BM_ClassFileSave501", "BM_Floor_WriteLinesDurable_ClassFile", 2.0},
        {"Class file save (501), against an unflushed write", "BM_ClassFileSave501",
         "BM_Floor_WriteLinesBuffered_ClassFile", 0},
        {"Master class-code list (3,000 students)", "BM_MasterClassCodeList", "BM_Floor_ReadLines_MasterFile", 2.0},
        {"Master membership, 3-code class", "BM_MasterMembership3Codes", "BM_Floor_ReadLines_MasterFile", 2.0},
        {"Update 501 students against the master file", "BM_UpdateClassFromMaster501",
         "BM_Floor_ReadLines_MasterFile", 0},
        {"Recovery copy written (501), on the writer's thread", "BM_Recovery_Write501",
         "BM_Floor_WriteLinesDurable_ClassFile", 0},
        {"XLSX markbook read (501 students, 40 columns)", "BM_ReadXlsxMarkbook501",
         "BM_Floor_UnpackSheet_XlsxMarkbook501", 0},
        {"CSV markbook (501 students, 40 columns) to the import preview", "BM_ImportCsvMarkbook501",
         "BM_Floor_ReadBytes_CsvMarkbook501", 0},
        {"CSV markbook (100,000 rows, 10 MB) to the import preview", "BM_ImportCsvMarkbook100k",
         "BM_Floor_ReadBytes_CsvMarkbook100k", 0},
        {"XLSX markbook (501 students, 40 columns) to the import preview", "BM_ImportXlsxMarkbook501",
         "BM_Floor_UnpackSheet_XlsxMarkbook501", 0},
    };
    const std::string frame = "a frame (16.7 ms)";
    goals.budgets = {
        {"composeComments, all 501 students", "BM_ComposeComments501", frameSeconds, frame},
        {"lookupPhrase x 100,000", "BM_LookupPhrase100k", frameSeconds, frame},
        {"Update 501 students against the master file", "BM_UpdateClassFromMaster501", frameSeconds, frame},
        {"Changed-on-disk check before a save, class file (501)", "BM_ChangedOnDiskCheck_ClassFile501", frameSeconds, frame},
        {"Changed-on-disk check before a save, favourites (1,000)", "BM_ChangedOnDiskCheck_Favourites1000", frameSeconds,
         frame},
        {"Recovery snapshot of 501 students, on the window's thread", "BM_Recovery_Snapshot501", 0.001,
         "1 ms of the window's time per change"},
        {"Comment checks of 501 free-form comments of 460 characters", "BM_CheckClassComments501", 0.1,
         "0.1 s (felt as instant)"},
        {"One 460-character comment checked again after a key", "BM_RecheckComment460", frameSeconds, frame},
        {"Opening the en_CA dictionary (once a run)", "BM_OpenDictionary", 0.1, "0.1 s (felt as instant)"},
        {"XLSX markbook read (501 students, 40 columns)", "BM_ReadXlsxMarkbook501", 0.1, "0.1 s (felt as instant)"},
        {"CSV markbook (501 students, 40 columns) to the import preview", "BM_ImportCsvMarkbook501", frameSeconds, frame},
        {"XLSX markbook (501 students, 40 columns) to the import preview", "BM_ImportXlsxMarkbook501", 0.1,
         "0.1 s (felt as instant)"},
    };
    const char* names[] = {"Name", "Mark", "Course"};
    const char* starts[] = {"shuffled", "sorted", "reversed"};
    for (const char* name : names)
        for (int s = 0; s < 3; ++s)
            goals.budgets.push_back({std::string("sortBy") + name + ", 501 " + starts[s],
                                     std::string("BM_SortBy") + name + "/" + std::to_string(s), frameSeconds, frame});
    return runBenchmarksWithGoals(argc, argv, goals);
}
