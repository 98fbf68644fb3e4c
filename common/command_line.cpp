#include "common/command_line.h"

#include <QCommandLineParser>
#include <QStringList>

namespace tarnwick {

const char* ProgramVersion() {
    return TARNWICK_VERSION;
}

InfoOptionsResult InfoOptions(int argc, const char* const* argv, const std::string& program,
                              const std::string& description, const std::string& words) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(description));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(arguments);  // unknown options are no error here: the program ignores them

    InfoOptionsResult result;
    if (parser.isSet(help)) {
        result.exit = true;
        result.output = "Usage: " + program + " [--help | --version]" +
                        (words.empty() ? "" : " " + words) + "\n" + description +
                        "\n\nOptions:\n"
                        "  -h, --help     Show this help and end.\n"
                        "  -v, --version  Show the version and end.\n\n"
                        "See " +
                        program + "(1) for the files it uses.\n";
    } else if (parser.isSet(version)) {
        result.exit = true;
        result.output = program + " " + ProgramVersion() + "\n";
    }
    return result;
}

}  // namespace tarnwick
