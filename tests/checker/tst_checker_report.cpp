// SPDX-License-Identifier: GPL-3.0-or-later
// The checker's report as a teacher reads it: the mistakes first, clean groups only named or folded,
// one group chosen by a prefix, the school's folder beside the shipped one, and a list that changes words
// elsewhere.

#include "app/AppFolder.h"
#include "checker/ContentCheck.h"
#include "checker/HtmlReport.h"
#include "checker/TextReport.h"
#include "support/TempAppFolder.h"

#include <QtTest>

namespace {

// Group "A" has a template with a finding, group "B" a clean one.
void writeTwoGroups(const TempAppFolder& app) {
    app.write("datos/NOMBRE.txt", "Ana\r\nLuis\r\n");
    app.write("Problemas/A/1.txt", "NOMBRES suma\r\nTEXTO\r\n\r\nUna suma \r\nUna resta\r\n");
    app.write("Problemas/B/1.txt", "NOMBRE suma\r\nTEXTO\r\n\r\nUna suma \r\nUna resta\r\n");
}

// Each text must appear after the one before it.
bool inOrder(const QString& text, const QStringList& parts, QString& missing) {
    qsizetype at = 0;
    for (const QString& part : parts) {
        at = text.indexOf(part, at);
        if (at < 0) {
            missing = part;
            return false;
        }
        at += part.size();
    }
    return true;
}

TemplateReport templateWith(const QList<Finding>& findings, const QStringList& faultyLists) {
    TemplateReport problem;
    problem.file = QStringLiteral("Problemas/G/1.txt");
    problem.findings = findings;
    problem.faultyLists = faultyLists;
    return problem;
}

} // namespace

class TestCheckerReport : public QObject {
    Q_OBJECT

private slots:
    void summaryComesFirst_data() {
        QTest::addColumn<bool>("everything");
        QTest::addColumn<bool>("html");
        QTest::addColumn<QStringList>("ordered");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("text, mistakes only") << false << false << QStringList{"Resumen: 2 grupos",
                                                                              "Con fallos:",
                                                                              "Grupo «A»",
                                                                              "Sin fallos: 1 grupo (B)",
                                                                              "Problemas/A/1.txt · ",
                                                                              "ERROR Problemas/A/1.txt",
                                                                              "Muestra 1",
                                                                              "Resumen: "}
                                             << QStringList{"Problemas/B/1.txt"};
        QTest::newRow("text, --todo")
            << true << false << QStringList{"Resumen: 2 grupos",    "Con fallos:", "Problemas/A/1.txt · ",
                                            "Problemas/B/1.txt · ", "Sin fallos.", "Muestra 1"}
            << QStringList();
        QTest::newRow("html, mistakes only")
            << false << true
            << QStringList{"name=\"viewport\"",
                           "Resumen: 2 grupos",
                           "<a href=\"#g0\">Grupo «A»</a>",
                           "<details><summary>Sin fallos: 1 grupo</summary>",
                           "<li>B</li>",
                           "<h2 id=\"g0\">",
                           "ERROR</span> Problemas/A/1.txt",
                           "<table>"}
            << QStringList{"Problemas/B/1.txt", "<script", "Sin fallos.</p>"};
        QTest::newRow("html, --todo folds the clean group")
            << true << true
            << QStringList{"<a href=\"#g0\">Grupo «A»</a>",
                           "<a href=\"#g1\">B</a>",
                           "<h2 id=\"g0\">",
                           "<details id=\"g1\"><summary>Grupo «B» · sin fallos",
                           "Problemas/B/1.txt",
                           "Sin fallos.</p>"}
            << QStringList{"<script"};
    }
    void summaryComesFirst() {
        QFETCH(bool, everything);
        QFETCH(bool, html);
        QFETCH(QStringList, ordered);
        QFETCH(QStringList, absent);
        TempAppFolder app;
        writeTwoGroups(app);
        CheckOptions options;
        options.draws = 10;
        const ContentReport report = CheckContent(options);
        const QString text = html ? HtmlReport(report, everything) : TextReport(report, everything);
        QString missing;
        QVERIFY2(inOrder(text, ordered, missing), qPrintable(missing + QStringLiteral("\n\n") + text));
        for (const QString& part : absent)
            QVERIFY2(!text.contains(part), qPrintable(part));
    }

    void sinFallosOnlyWhenClean_data() {
        QTest::addColumn<QList<Finding>>("findings");
        QTest::addColumn<QStringList>("faultyLists");
        QTest::addColumn<bool>("clean");
        QTest::addColumn<bool>("note"); // a note under the template points at the list
        const Finding own{Severity::Warning, "palabra-vacia", "Problemas/G/1.txt", 1, {},
                          "efecto",          "arreglo"};
        const Finding namingList{Severity::Error,
                                 "lista-con-error",
                                 "Problemas/G/1.txt",
                                 1,
                                 "NINA",
                                 "datos/NINA.txt tiene un ERROR",
                                 "arreglo"};
        QTest::newRow("clean") << QList<Finding>() << QStringList() << true << false;
        QTest::newRow("own finding") << QList<Finding>{own} << QStringList() << false << false;
        QTest::newRow("list with an error")
            << QList<Finding>() << QStringList{"datos/NINA.txt"} << false << true;
        QTest::newRow("list error already named")
            << QList<Finding>{namingList} << QStringList{"datos/NINA.txt"} << false << false;
    }
    void sinFallosOnlyWhenClean() {
        QFETCH(QList<Finding>, findings);
        QFETCH(QStringList, faultyLists);
        QFETCH(bool, clean);
        QFETCH(bool, note);
        ContentReport report;
        GroupReport group;
        group.name = QStringLiteral("G");
        group.folder = QStringLiteral("Problemas/G");
        group.templates << templateWith(findings, faultyLists);
        report.groups << group;
        for (const QString& page : {TextReport(report, true), HtmlReport(report, true)}) {
            QCOMPARE(page.contains(QStringLiteral("Sin fallos.")), clean);
            QCOMPARE(page.count(QStringLiteral("datos/NINA.txt</a>, que tiene un ERROR")) +
                         page.count(QStringLiteral("Usa datos/NINA.txt, que tiene un ERROR")),
                     note ? 1 : 0);
        }
    }

    void guideLinkedWhenGiven_data() {
        QTest::addColumn<QString>("guide");
        QTest::addColumn<bool>("linked");
        QTest::newRow("installed") << QStringLiteral("/usr/share/doc/kotira/guia-del-profesor.html") << true;
        QTest::newRow("not installed") << QString() << false;
    }
    void guideLinkedWhenGiven() {
        QFETCH(QString, guide);
        QFETCH(bool, linked);
        const QString page = HtmlReport(ContentReport(), false, guide);
        QCOMPARE(
            page.contains(QStringLiteral("href=\"file:///usr/share/doc/kotira/guia-del-profesor.html\"")),
            linked);
    }

    void resultsTheSpanishWay_data() {
        QTest::addColumn<double>("result");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal comma") << 0.375 << QStringLiteral("0,375");
        QTest::newRow("grouped") << 1049173.0 << QStringLiteral("1\u00a0049\u00a0173");
    }
    void resultsTheSpanishWay() {
        QFETCH(double, result);
        QFETCH(QString, shown);
        Sample sample;
        sample.result = result;
        QVERIFY2(SampleLine(sample).endsWith(QStringLiteral("→ resultado: ") + shown),
                 qPrintable(SampleLine(sample)));
    }

    // Content may hold any bytes: the reports show control characters by their code, never raw, and
    // a word too long to read (a list that is a ZIP) shortened.
    void controlsShownByCode_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("shown");
        QTest::newRow("NUL") << QStringLiteral("Ana\u0000tiene") << QStringLiteral("AnaU+0000tiene");
        QTest::newRow("escape") << QStringLiteral("\u001b[2J") << QStringLiteral("U+001B[2J");
        QTest::newRow("tab") << QStringLiteral("Una suma\t") << QStringLiteral("Una sumaU+0009");
        QTest::newRow("lone carriage return") << QStringLiteral("a\rb") << QStringLiteral("aU+000Db");
        QTest::newRow("long word") << QStringLiteral("Ana ve %1 .").arg(QString(60, u'Z'))
                                   << QStringLiteral("Ana ve %1… (60 caracteres) .").arg(QString(40, u'Z'));
        QTest::newRow("40 letters kept") << QStringLiteral("Ana ve %1 .").arg(QString(40, u'Z'))
                                         << QStringLiteral("Ana ve %1 .").arg(QString(40, u'Z'));
    }
    void controlsShownByCode() {
        QFETCH(QString, statement);
        QFETCH(QString, shown);
        Sample sample;
        sample.statement = statement;
        ContentReport report;
        GroupReport group;
        group.templates << templateWith({}, {});
        group.templates[0].samples << sample;
        report.groups << group;
        const QString text = TextReport(report, true);
        QVERIFY2(text.contains(shown), qPrintable(text));
        QVERIFY(HtmlReport(report, true).contains(shown));
    }

    void chooseGroup_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("error");
        QTest::newRow("unique prefix")
            << QStringLiteral("3º e") << QStringLiteral("3º E Fracciones") << QString();
        QTest::newRow("whole name among longer ones")
            << QStringLiteral("3º") << QStringLiteral("3º") << QString();
        QTest::newRow("ambiguous") << QStringLiteral("3º ") << QString() << QStringLiteral("hay varios");
        QTest::newRow("none") << QStringLiteral("7º") << QString() << QStringLiteral("no hay ningún grupo");
    }
    void chooseGroup() {
        QFETCH(QString, asked);
        QFETCH(QString, chosen);
        QFETCH(QString, error);
        const QStringList names{"1º A", "3º", "3º D Repartos", "3º E Fracciones"};
        QString why;
        QCOMPARE(ChooseGroup(names, asked, why), chosen);
        QVERIFY2(error.isEmpty() ? why.isEmpty() : why.contains(error), qPrintable(why));
    }

    void oneGroupAndItsLists() {
        TempAppFolder app;
        writeTwoGroups(app);
        app.write("datos/FRUTA.txt", "\r\n");
        CheckOptions options;
        options.draws = 10;
        options.group = QStringLiteral("B");
        const ContentReport report = CheckContent(options);
        QCOMPARE(report.groups.size(), 1);
        QCOMPARE(report.groups[0].name, QStringLiteral("B"));
        QCOMPARE(report.listCount, 1);      // NOMBRE, not FRUTA
        QVERIFY(report.findings.isEmpty()); // FRUTA's blank line and the missing media are not B's
    }

    // The program shows the shipped groups and the school's, a school group hiding a shipped one of
    // its name; the report names every file where it lives.
    void siteFolderBesideShipped_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("folder"); // beneath the site folder when `site`
        QTest::addColumn<bool>("site");
        QTest::addColumn<bool>("replaces");
        QTest::newRow("site group of a shipped name") << "a"
                                                      << "/Problemas/a" << true << true;
        QTest::newRow("shipped group") << "B"
                                       << "Problemas/B" << false << false;
        QTest::newRow("site group") << "C"
                                    << "/Problemas/C" << true << false;
    }
    void siteFolderBesideShipped() {
        QFETCH(QString, group);
        QFETCH(QString, folder);
        QFETCH(bool, site);
        QFETCH(bool, replaces);
        TempAppFolder app;
        writeTwoGroups(app);
        QTemporaryDir school;
        SetSiteFolder(school.path());
        const auto write = [&](const QString& relative, const QByteArray& bytes) {
            QDir().mkpath(QFileInfo(school.filePath(relative)).absolutePath());
            QFile file(school.filePath(relative));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("Problemas/a/1.txt", "NINA suma\r\nTEXTO\r\n\r\nUna suma \r\nUna resta\r\n");
        write("Problemas/C/1.txt", "NOMBRE suma\r\nTEXTO\r\n\r\nUna suma \r\nUna resta\r\n");
        write("datos/NINA.txt", "Eva\r\n\r\n"); // a blank line: an ERROR at the site's list
        write("datos/nombre.txt", "Rosa\r\n");  // replaces the shipped NOMBRE.txt
        CheckOptions options;
        options.draws = 10;
        const ContentReport report = CheckContent(options);
        SetSiteFolder(QString());

        QStringList names;
        for (const GroupReport& each : report.groups)
            names << each.name;
        QCOMPARE(names, (QStringList{"a", "B", "C"}));
        const GroupReport& checked = report.groups[names.indexOf(group)];
        QCOMPARE(checked.folder, site ? school.path() + folder : folder);
        QCOMPARE(checked.site, site);
        QCOMPARE(checked.replaces, replaces);
        QCOMPARE(report.listCount, 2); // NINA and the site's nombre; the shipped NOMBRE is not read
        QStringList files;
        for (const Finding& finding : report.findings)
            files << finding.file;
        QVERIFY2(files.contains(school.path() + QStringLiteral("/datos/NINA.txt")),
                 qPrintable(files.join(u',')));
        QVERIFY(report.notes.join(u' ').contains(QStringLiteral("datos/NOMBRE.txt")));
    }

    void listChangingWordsElsewhere_data() {
        QTest::addColumn<QByteArray>("statement");
        QTest::addColumn<bool>("inSchoolFolder"); // the new list is in the school's folder
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("placed"); // severity, line and word of the finding at the list
        QTest::newRow("ordinary word")
            << QByteArray("la casa de NOMBRE") << false << QStringLiteral("1 plantilla (Problemas/B/2.txt)")
            << QStringLiteral("AVISO 0 «casa»");
        QTest::newRow("placeholder in capitals")
            << QByteArray("la CASA de NOMBRE") << false << QString() << QString();
        QTest::newRow("capitals, list new in the school's folder")
            << QByteArray("la CASA de NOMBRE") << true << QStringLiteral("1 plantilla (Problemas/B/2.txt)")
            << QStringLiteral("AVISO 0 «CASA»");
    }
    void listChangingWordsElsewhere() {
        QFETCH(QByteArray, statement);
        QFETCH(bool, inSchoolFolder);
        QFETCH(QString, found);
        QFETCH(QString, placed);
        TempAppFolder app;
        writeTwoGroups(app);
        QTemporaryDir school;
        // The teacher's group "A" and its list, in the school's folder or beside the shipped ones.
        const auto write = [&](const QString& relative, const QByteArray& bytes) {
            if (!inSchoolFolder)
                return app.write(relative, bytes);
            QDir().mkpath(QFileInfo(school.filePath(relative)).absolutePath());
            QFile file(school.filePath(relative));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            return file.fileName();
        };
        if (inSchoolFolder)
            SetSiteFolder(school.path());
        const QString path = write("datos/CASA.txt", "choza\r\n");
        const QString list = inSchoolFolder ? path : QStringLiteral("datos/CASA.txt");
        write("Problemas/A/2.txt", "NOMBRE vive en su CASA\r\nTEXTO\r\n\r\nSí \r\nNo\r\n");
        app.write("Problemas/B/2.txt", statement + "\r\nTEXTO\r\n\r\nSí \r\nNo\r\n");
        CheckOptions options;
        options.draws = 10;
        options.group = QStringLiteral("A"); // the teacher's group, which added the list
        const ContentReport report = CheckContent(options);
        SetSiteFolder(QString());
        QString effect;
        QString at;
        for (const Finding& finding : report.findings) {
            if (finding.code == u"lista-cambia-palabras" && finding.file == list) {
                effect = finding.effect;
                at = QStringLiteral("%1 %2 «%3»")
                         .arg(SeverityWord(finding.severity))
                         .arg(finding.line)
                         .arg(finding.token);
            }
        }
        QVERIFY2(found.isEmpty() ? effect.isEmpty() : effect.contains(found), qPrintable(effect));
        QCOMPARE(at, placed);
    }
};

QTEST_MAIN(TestCheckerReport)
#include "tst_checker_report.moc"
