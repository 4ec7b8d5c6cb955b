#include "app/command_line.h"

#include "shell/design_button.h"
#include "shell/start_window.h"
#include "shell/window_set.h"
#include "shell/zoom.h"
#include "table/element_finder.h"
#include "table/table_window.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTextStream>

namespace vielnis {

namespace {

StartRequest wrong(QTextStream &err, const QCommandLineParser &parser, const QString &error) {
    err << QCoreApplication::applicationName().toLower() << ": " << error << "\n\n"
        << parser.helpText();
    err.flush();
    return {false, 2, nullptr, 100};
}

// The steps as the usage lists them: "100, 125, ... 250 vai 300".
QString zoomStepList() {
    QStringList steps;
    for (int step : kZoomSteps)
        steps << QString::number(step);
    const QString last = steps.takeLast();
    return steps.join(QStringLiteral(", ")) + QStringLiteral(" vai ") + last;
}

} // namespace

StartRequest readCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ķīmijas rokasgrāmata skolēniem un skolotājiem: ķīmisko elementu\n"
                       "periodiskā tabula, metālu un nemetālu rindas, skābju aktivitātes\n"
                       "rinda un šķīdības tabula."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Parāda šo palīdzību un beidz darbu."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Parāda programmas versiju un beidz darbu."));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("Atver logus palielinātus, procentos: %1 (bez šīs opcijas 100). "
                       "Lielajam ekrānam, projektoram vai interaktīvajai tāfelei.")
            .arg(zoomStepList()),
        QStringLiteral("procenti"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(zoom);
    parser.addPositionalArgument(
        QStringLiteral("elements"),
        QStringLiteral("Atver periodisko tabulu ar šo elementu: simbols (Fe), kārtas skaitlis "
                       "(26) vai nosaukums vai tā sākums (dzelzs)."),
        QStringLiteral("[elements]"));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return wrong(err, parser, parser.errorText());
        const QString name = unknown.first();
        return wrong(err, parser,
                     QStringLiteral("nezināma opcija “%1%2”")
                         .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    if (parser.isSet(help)) {
        out << parser.helpText();
        out.flush();
        return {false, 0, nullptr, 100};
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        out.flush();
        return {false, 0, nullptr, 100};
    }
    int percent = 100;
    if (parser.isSet(zoom)) {
        const QString value = parser.value(zoom);
        bool number = false;
        percent = value.toInt(&number);
        if (!number || !isZoomStep(percent))
            return wrong(err, parser,
                         QStringLiteral("palielinājums “%1” nav atļauts: jābūt %2 procentiem")
                             .arg(value, zoomStepList()));
    }
    const QStringList elements = parser.positionalArguments();
    if (elements.isEmpty())
        return {true, 0, nullptr, percent};
    if (elements.size() > 1)
        return wrong(err, parser, QStringLiteral("var norādīt tikai vienu elementu"));
    const catalogue::ElementRecord *element = ElementFinder::find(elements.first());
    if (!element)
        return wrong(err, parser,
                     QStringLiteral("periodiskajā tabulā nav elementa “%1”").arg(elements.first()));
    return {true, 0, element, percent};
}

void showCommandLineAnswer(const QString &text, bool wrongArgument) {
    QMessageBox box(wrongArgument ? QMessageBox::Warning : QMessageBox::Information,
                    QCoreApplication::applicationName(), text.trimmed(), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("commandLineAnswer"));
    box.exec();
}

void startHandbook(WindowSet &windows, const StartRequest &request) {
    Zoom::instance().setPercent(request.zoom);
    windows.show(WindowId::Form1);
    if (!request.element)
        return;
    if (auto *start = qobject_cast<StartWindow *>(windows.window(WindowId::Form1)))
        if (DesignButton *entry = start->entryButton(WindowId::Form2))
            entry->click();
    if (auto *table = qobject_cast<TableWindow *>(windows.window(WindowId::Form2)))
        table->selectElement(*request.element);
}

} // namespace vielnis
