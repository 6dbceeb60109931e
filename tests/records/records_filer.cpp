// records_filer CONFIG COUNT: files COUNT records (0: until killed) into the
// store CONFIG names, one transaction each, as a job card does, printing each
// record's number once it is filed. Exit 1 on the first error.

#include "tests/records/store_support.h"
#include "toolkit/core/error.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    using namespace loco::records;
    RecordsStore store(readRecordsConfigFile(argv[1]));
    const int count = std::stoi(argv[2]);
    try {
        for (int i = 1; count == 0 || i <= count; ++i) {
            Record draft = test::draft(i);
            draft.subject = "filer " + std::to_string(::getpid()) + " #" + std::to_string(i);
            std::printf("%lld\n", static_cast<long long>(store.file(draft).number));
            std::fflush(stdout);
        }
    } catch (const loco::Error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
