#include "DesignOptions.h"

#include <QCoreApplication>

QList<QCommandLineOption> DesignOptionRows() {
    return {
        {QStringLiteral("design"),
         QCoreApplication::translate(
             "RenderOptions", "Draws labels of a design file on its stock (or --sheet), one per "
                              "record of --csv or line of --batch (its field {text}), or --count "
                              "of them numbered by {n}."),
         QStringLiteral("file")},
        {QStringLiteral("count"),
         QCoreApplication::translate("RenderOptions",
                                     "With --design: this many labels, 1 to %1, numbered by {n}.")
             .arg(kMaxCount),
         QStringLiteral("n")},
    };
}

QString DesignOptionsFault(const QCommandLineParser& parser) {
    if (!parser.positionalArguments().isEmpty() ||
        int(parser.isSet(QStringLiteral("batch"))) + int(parser.isSet(QStringLiteral("csv"))) +
                int(parser.isSet(QStringLiteral("count"))) !=
            1) {
        return QCoreApplication::translate("RenderOptions",
                                           "a design takes one of --csv, --batch or --count");
    }
    for (const char* name : {"symbology", "height", "no-text", "turn", "zoom", "caption", "density",
                             "ratio", "code-sets", "bearer-bars", "quiet-zone-marks"}) {
        if (parser.isSet(QString::fromLatin1(name))) {
            return QCoreApplication::translate("RenderOptions",
                                               "--%1 does not go with --design: the "
                                               "design sets each object's own")
                .arg(QString::fromLatin1(name));
        }
    }
    for (const char* name : {"output-paths", "drop-invalid", "zero-fill"}) {
        if (parser.isSet(QString::fromLatin1(name))) {
            return QCoreApplication::translate("RenderOptions",
                                               "--%1 does not go with --design yet")
                .arg(QString::fromLatin1(name));
        }
    }
    return {};
}
