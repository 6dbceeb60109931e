// lokomotif-soak [--events N] [--seconds S] [--seed N]: builds the whole
// program offscreen, logs in, opens every window through its buttons and
// then uses it at random until N events or S seconds (0: no limit; by
// default 100,000 events). The seed is printed, so any run can be replayed.
// Exit code 0 when every check held, 1 on a failure, 2 on a usage error.

#include "records/store/records_store.h"
#include "shell/builtin_data.h"
#include "shell/window_registry.h"
#include "toolkit/application.h"
#include "tools/soak/random_user.h"
#include "tools/soak/soak_run.h"
#include "tools/soak/typed_texts.h"

#include <QApplication>
#include <QTextStream>

#include <random>

namespace loco {
namespace {

struct Options {
    loco::soak::SoakLimits limits{100000, 0};
    std::uint64_t seed = std::random_device{}();
};

bool parse(const QStringList& arguments, Options& options)
{
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            return false;
        bool ok = false;
        const QString& value = arguments[i + 1];
        if (arguments[i] == QLatin1String("--events"))
            options.limits.events = value.toULongLong(&ok);
        else if (arguments[i] == QLatin1String("--seconds"))
            options.limits.seconds = value.toDouble(&ok);
        else if (arguments[i] == QLatin1String("--seed"))
            options.seed = value.toULongLong(&ok);
        if (!ok)
            return false;
    }
    return options.limits.events > 0 || options.limits.seconds > 0;
}

} // namespace
} // namespace loco

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    loco::Options options;
    if (!loco::parse(QApplication::arguments(), options)) {
        QTextStream(stderr) << "usage: lokomotif-soak [--events N] [--seconds S] [--seed N]\n";
        return 2;
    }
    loco::setUpApplication(app);
    const loco::BuiltinData data = loco::loadBuiltinData();
    loco::records::RecordsStore records(loco::records::RecordsConfig{.enabled = false});
    loco::createWindows(data, records);
    int code = 0;
    {
        loco::soak::RandomUser user(options.seed, loco::soak::TypedTexts(loco::windows()));
        loco::soak::SoakRun run(options.seed, options.limits, user);
        code = run.exec();
    }
    loco::destroyWindows();
    return code;
}
