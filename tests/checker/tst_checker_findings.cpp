// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of finding the checker promises: one row that triggers it, stating its severity, file,
// line and word, and one near miss that must not trigger it. Each row writes a small application
// folder: a clean base (lists, language file, sounds, animations) changed by the row's files.
// Rows that take a permission away run the check as an unprivileged user, since the superuser
// reads everything.

#include "app/TextFile.h"
#include "checker/CaptionFit.h"
#include "checker/ContentCheck.h"
#include "support/TempAppFolder.h"

#include <QDirIterator>
#include <QtTest>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Files = QMap<QString, QByteArray>;

const QByteArray Absent = "<absent>"; // the base file is removed
const QByteArray Folder = "<folder>"; // an empty folder
const QByteArray Pipe = "<pipe>";     // a named pipe
// A file that opens but cannot be read, even by the superuser the tests may run as.
const QByteArray Unreadable = "<unreadable>";
// The file or folder named by the key without its final "!" has all its permissions taken away,
// after the row's files are written (so "Problemas/G/1.txt!" locks the template the row wrote).
const QByteArray Locked = "<locked>";
// A folder whose name is written in Windows-1252 bytes, as unzipping a Windows archive leaves it.
const QByteArray Windows1252Name = "<1252>";

QByteArray lines(const QStringList& list) {
    QByteArray bytes;
    for (const QString& line : list)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QByteArray numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return lines(list);
}

QByteArray words(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("p%1").arg(i);
    return list.join(u' ').toLatin1();
}

// A group of one template.
Files problem(const QByteArray& statement, const QByteArray& expression, Files more = {}) {
    more.insert(QStringLiteral("Problemas/G/1.txt"), statement + "\r\n" + expression + "\r\n");
    return more;
}

Files choice(const QStringList& choices) {
    return {{QStringLiteral("Problemas/G/1.txt"),
             lines(QStringList{"NOMBRE elige", "TEXTO", "(La correcta termina en un espacio.)"} + choices)}};
}

const QByteArray Fine = "NOMBRE tiene NUMERO1 y NUMERO2 . ¿Y =NOMBRE ?";

void writeBase(const TempAppFolder& app) {
    app.write("datos/NOMBRE.txt", lines({"Ana", "Luis"}));
    app.write("datos/FRUTA.txt", lines({"peras", "uvas"}));
    app.write("datos/NUMERO1.txt", numbers(10, 20));
    app.write("datos/NUMERO2.txt", numbers(1, 9));
    app.write("configuracion/idioma.txt",
              lines({"ACEPTAR", "Grupos", "COMPROBAR", "BIEN", "MAL", "¿Salir?", "Informe"}));
    for (const char* cue :
         {"pasa", "lista", "pasaejercicio", "num", "operacion", "pulsax", "acierto", "fallo"})
        app.write(QStringLiteral("sonidos/%1.WAV").arg(cue), "RIFF");
    for (const char* gif : {"miro", "acierto2", "fallo2"})
        app.write(QStringLiteral("gifs/%1.gif").arg(gif), "GIF89a");
}

void writeRow(const TempAppFolder& app, const Files& files) {
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = app.path() + u'/' + it.key();
        if (*it == Absent) {
            QFile::remove(path);
        } else if (*it == Folder) {
            app.mkdir(it.key());
        } else if (*it == Pipe) {
            app.mkdir(QFileInfo(it.key()).path());
            QFile::remove(path);
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        } else if (*it == Windows1252Name) {
            const QString parent = app.mkdir(QFileInfo(it.key()).path());
            const QByteArray name = EncodeWindows1252(QFileInfo(it.key()).fileName());
            QVERIFY(::mkdir((QFile::encodeName(parent) + '/' + name).constData(), 0755) == 0);
        } else if (*it == Locked) {
            // Taken away after every file is written.
        } else if (*it == Unreadable) {
            app.mkdir(QFileInfo(it.key()).path());
            QFile::remove(path);
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));
        } else {
            app.write(it.key(), *it);
        }
    }
}

// Every finding of a report, with the group's and the templates' ones.
QList<Finding> findingsOf(const ContentReport& report) {
    QList<Finding> all = report.findings;
    for (const GroupReport& group : report.groups) {
        all += group.findings;
        for (const TemplateReport& problem : group.templates)
            all += problem.findings;
    }
    return all;
}

CheckOptions rowOptions() {
    CheckOptions options;
    options.samples = 1;
    options.draws = 400;
    return options;
}

#ifdef Q_OS_UNIX
// What went wrong in the child process, as a finding the row will show.
Finding failed(const QString& what) {
    Finding finding;
    finding.code = what;
    return finding;
}

// A finding as one line of text and back, for the child process below (the checker writes no
// control character into a finding, so tabs and line ends are free as separators).
QByteArray serialized(const Finding& f) {
    return QStringList{
        SeverityWord(f.severity), f.code, f.file, QString::number(f.line), f.token, f.effect, f.fix}
        .join(u'\t')
        .toUtf8();
}

Finding deserialized(const QByteArray& line) {
    const QStringList fields = QString::fromUtf8(line).split(u'\t');
    if (fields.size() != 7)
        return failed(QString::fromUtf8(line));
    return Finding{fields[0] == u"ERROR" ? Severity::Error : Severity::Warning,
                   fields[1],
                   fields[2],
                   fields[3].toInt(),
                   fields[4],
                   fields[5],
                   fields[6]};
}

// The check run by the unprivileged user "nobody" in a child process, over a folder it owns and
// with every permission of `locked` taken away.
QList<Finding> checkAsNobody(const TempAppFolder& app, const QStringList& locked) {
    constexpr uid_t Nobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        std::vector<QByteArray> paths{QFile::encodeName(app.path())};
        QDirIterator it(app.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.push_back(QFile::encodeName(it.next()));
        for (const QByteArray& path : paths) {
            if (::lchown(path.constData(), Nobody, Nobody) != 0)
                return {failed(QStringLiteral("chown-failed"))};
        }
    }
    for (const QString& relative : locked)
        ::chmod(QFile::encodeName(app.path() + u'/' + relative).constData(), 0);
    const auto restore = qScopeGuard([&] {
        for (const QString& relative : locked)
            ::chmod(QFile::encodeName(app.path() + u'/' + relative).constData(), 0700);
    });
    int channel[2];
    if (::pipe(channel) != 0)
        return {failed(QStringLiteral("pipe-failed"))};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(3);
        QByteArray text;
        for (const Finding& finding : findingsOf(CheckContent(rowOptions())))
            text += serialized(finding) + '\n';
        const bool told = ::write(channel[1], text.constData(), size_t(text.size())) == text.size();
        ::_exit(told ? 0 : 4);
    }
    ::close(channel[1]);
    QByteArray text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {failed(QStringLiteral("child-failed"))};
    QList<Finding> findings;
    for (const QByteArray& line : text.split('\n')) {
        if (!line.isEmpty())
            findings << deserialized(line);
    }
    return findings;
}
#endif

// The row's application folder, checked.
QList<Finding> check(const Files& files) {
    TempAppFolder app;
    writeBase(app);
    writeRow(app, files);
    QStringList locked;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (*it == Locked)
            locked << it.key().chopped(1);
    }
    // QTemporaryDir cannot see, so cannot remove, a folder whose name is not UTF-8.
    const auto removeUnseen = qScopeGuard([&] {
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (*it == Windows1252Name)
                ::rmdir((QFile::encodeName(app.path() + u'/' + QFileInfo(it.key()).path()) + '/' +
                         EncodeWindows1252(QFileInfo(it.key()).fileName()))
                            .constData());
        }
    });
#ifdef Q_OS_UNIX
    if (!locked.isEmpty())
        return checkAsNobody(app, locked);
#endif
    const WindowCaptionMeter meter;
    return findingsOf(CheckContent(rowOptions(), &meter));
}

// "ERROR Problemas/G/1.txt:2 «x»": what a row states of a finding.
QString placed(const Finding& f) {
    return QStringLiteral("%1 %2:%3 «%4»").arg(SeverityWord(f.severity), f.file).arg(f.line).arg(f.token);
}

QString allOf(const QList<Finding>& findings) {
    QStringList all;
    for (const Finding& f : findings)
        all << QStringLiteral("%1 %2 %3. %4").arg(f.code, placed(f), f.effect, f.fix);
    return all.join(u'\n');
}

QByteArray utf16(const QString& text, bool mark) {
    QByteArray bytes = mark ? QByteArray("\xFF\xFE") : QByteArray();
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace

class TestCheckerFindings : public QObject {
    Q_OBJECT

private slots:
    void cleanContentHasNoFinding() {
        TempAppFolder app;
        writeBase(app);
        writeRow(app, problem(Fine, "NUMERO1 + NUMERO2"));
        const ContentReport report = CheckContent(rowOptions());
        QCOMPARE(allOf(findingsOf(report)), QString());
        QCOMPARE(report.templateCount(), 1);
        QCOMPARE(report.listCount, 4);
    }

    // Cents times 100 lands a hair off the whole number (4,60 * 100 = 459.99999999999994), which
    // the pupil types and the program judges as 460: not a result with decimals.
    void centsTimesHundredAreWhole() {
        TempAppFolder app;
        writeBase(app);
        writeRow(app,
                 problem("NUMEROC euros son céntimos", "NUMEROC * 100",
                         {{QStringLiteral("datos/NUMEROC.txt"), lines({"4,60", "0,29", "1,15", "2,5"})}}));
        const ContentReport report = CheckContent(rowOptions());
        const ResultEstimate estimate = report.groups.first().templates.first().estimate;
        QVERIFY(estimate.accepted > 0);
        QCOMPARE(estimate.withDecimals + estimate.notTypeable, 0);
    }

    // Content that the program shows as the teacher meant: no finding, or only the AVISOs allowed.
    void validContentHasNoFinding_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("allowed");
        const auto row = [](const char* name, const Files& files, const QStringList& allowed = {}) {
            QTest::newRow(name) << files << allowed;
        };
        row("a space after line 2", problem(Fine, "NUMERO1 + NUMERO2 "));
        row("euros and cents", problem("NUMEROC euros y 2,5 euros", "NUMEROC + 2,5",
                                       {{QStringLiteral("datos/NUMEROC.txt"), lines({"1,25", "0,5", "3"})}}));
        row("three exact decimals",
            problem("NOMBRE reparte NUMEROD litros en 8 botellas", "NUMEROD / 8",
                    {{QStringLiteral("datos/NUMEROD.txt"), lines({"3", "5", "1"})}}),
            {QStringLiteral("resultado-muchos-decimales")});
        row("abbreviations and Roman numerals",
            problem("NOMBRE compra un DVD y un CD con IVA en la ONU , tomo XIV", "1"));
        row("a lone =", problem("NUMERO1 + NUMERO2 = ?", "NUMERO1 + NUMERO2"));
        row("a repeat between signs", problem("NOMBRE llega . ¿ =NOMBRE ?", "1"));
        row("decimal commas in a list",
            problem("NUMEROK kilos", "NUMEROK * 4",
                    {{QStringLiteral("datos/NUMEROK.txt"), lines({"2,5", "1,25", "0,75"})}}));
        row("thousands grouped in a list",
            problem("NUMEROM euros y NUMERO2", "NUMEROM + NUMERO2",
                    {{QStringLiteral("datos/NUMEROM.txt"), lines({"1 000", "1.049.173", "2\u00A0500"})}}));
        row("a note on line 3", {{QStringLiteral("Problemas/G/1.txt"),
                                  lines({"¿Qué operación resuelve el problema de NOMBRE ?", "TEXTO",
                                         "(La respuesta correcta es la que termina en un espacio.)",
                                         "Una suma ", "Una resta"})}});
        row("a no-break space in ordinary words",
            problem("NOMBRE paga el 10\u00A0% de NUMERO1", "NUMERO1 + 1"));
        row("a numeric list twice", problem("NUMERO1 y NUMERO1 son iguales", "1"));
        row("a word list once, then repeated", problem("NOMBRE y FRUTA . =NOMBRE come =FRUTA", "1"));
    }

    void validContentHasNoFinding() {
        QFETCH(Files, files);
        QFETCH(QStringList, allowed);
        QList<Finding> findings = check(files);
        findings.removeIf(
            [&](const Finding& f) { return f.severity == Severity::Warning && allowed.contains(f.code); });
        QCOMPARE(allOf(findings), QString());
    }

    void finding_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected"); // every finding of the code, placed; empty for none
        QTest::addColumn<QString>("says");     // in the first one's effect or fix
        const auto row = [](const char* name, const Files& files, const char* code, const QString& expected,
                            const QString& says = QString()) {
            QTest::newRow(name) << files << QString::fromLatin1(code) << expected << says;
        };
        const QString none;
        // "Problemas/G/1.txt:2 ": a file and line as a row states them.
        const auto at = [](const char* file) {
            return [file](int line) { return QStringLiteral("%1:%2 ").arg(QLatin1String(file)).arg(line); };
        };
        const auto T = at("Problemas/G/1.txt");
        const QString G = QStringLiteral("Problemas/G:0 ");
        const auto error = [](const QString& where, const QString& token) {
            return QStringLiteral("ERROR %1«%2»").arg(where, token);
        };
        const auto warning = [](const QString& where, const QString& token) {
            return QStringLiteral("AVISO %1«%2»").arg(where, token);
        };
        const Files ok = problem(Fine, "NUMERO1 + NUMERO2");
        const auto withList = [](const QByteArray& list, const QByteArray& expression,
                                 const QByteArray& statement = "NUMERO1 y NUMERO3") {
            return problem(statement, expression, {{QStringLiteral("datos/NUMERO3.txt"), list}});
        };
        const auto fruits = [](const QByteArray& list) {
            return problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), list}});
        };

        // Groups.
        row("no Problemas", {}, "sin-problemas", error("Problemas:0 ", "Problemas"));
        row("Problemas", ok, "sin-problemas", none);
        row("no group", {{QStringLiteral("Problemas/"), Folder}}, "sin-grupos",
            error("Problemas:0 ", "Problemas"));
        row("a group", ok, "sin-grupos", none);
        row("empty group", {{QStringLiteral("Problemas/G/"), Folder}}, "grupo-vacio", error(G, "G"));
        row("group with a template", ok, "grupo-vacio", none);
        const Files gap = problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/3.txt"), "a\r\n1\r\n"}});
        const Files noGap = problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/2.TXT"), "a\r\n1\r\n"}});
        row("gap", gap, "falta-numero", error(G, "2.txt"));
        row("no gap", noGap, "falta-numero", none);
        row("beyond the count", gap, "numero-inalcanzable", error(G, "3.txt"));
        row("within the count", noGap, "numero-inalcanzable", none);
        const Files note = problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/nota.txt"), "x"}});
        row("stray file", note, "fichero-extra", error(G, "nota.txt"), QStringLiteral("vacío (el 2)"));
        row("a stray file is no gap", note, "falta-numero", none);
        row("2.TXT is a template", noGap, "fichero-extra", none);
        const Files doubled =
            problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/2.txt.txt"), "a\r\n1\r\n"}});
        row("2.txt.txt", doubled, "fichero-extra", error(G, "2.txt.txt"),
            QStringLiteral("renómbrelo a 2.txt"));
        row("2.txt.txt is the missing 2", doubled, "falta-numero", none);
        row("01.txt",
            {{QStringLiteral("Problemas/G/01.txt"), "a\r\n1\r\n"},
             {QStringLiteral("Problemas/G/2.txt"), "a\r\n1\r\n"}},
            "fichero-extra", error(G, "01.txt"), QStringLiteral("renómbrelo a 1.txt"));
        row("group cannot be read", problem(Fine, "1", {{QStringLiteral("Problemas/G!"), Locked}}),
            "carpeta-ilegible", error(G, "G"), QStringLiteral("permisos"));
        row("unreadable group is not empty", problem(Fine, "1", {{QStringLiteral("Problemas/G!"), Locked}}),
            "grupo-vacio", none);
        row("datos cannot be read", problem(Fine, "1", {{QStringLiteral("datos!"), Locked}}),
            "carpeta-ilegible", error(QStringLiteral("datos:0 "), QStringLiteral("datos")));
        row("Problemas cannot be read", problem(Fine, "1", {{QStringLiteral("Problemas!"), Locked}}),
            "carpeta-ilegible", error(QStringLiteral("Problemas:0 "), QStringLiteral("Problemas")));
        row("group can be read", ok, "carpeta-ilegible", none);
        row("Windows-1252 folder name",
            problem(Fine, "1", {{QStringLiteral("Problemas/Ñandú"), Windows1252Name}}), "nombre-ilegible",
            error(QStringLiteral("Problemas:0 "), QStringLiteral("Ñandú")),
            QStringLiteral("mv $'\\xD1and\\xFA' 'Ñandú'"));
        row("UTF-8 folder name",
            problem(Fine, "1", {{QStringLiteral("Problemas/Ñandú/1.txt"), "a\r\n1\r\n"}}), "nombre-ilegible",
            none);
        const QString wide = QStringLiteral("Problemas de sumas y restas con llevadas");
        row("group name too wide", {{QStringLiteral("Problemas/%1/1.txt").arg(wide), "a\r\n1\r\n"}},
            "nombre-de-grupo-largo", warning(QStringLiteral("Problemas/%1:0 ").arg(wide), wide),
            QStringLiteral("…»"));
        row("group name fits", {{QStringLiteral("Problemas/3º E Sumas/1.txt"), "a\r\n1\r\n"}},
            "nombre-de-grupo-largo", none);

        // Statement.
        row("capitals near a list", problem("NOMBRE come FRUTAS .", "1"), "sin-lista", error(T(1), "FRUTAS"),
            QStringLiteral("¿quería decir FRUTA?"));
        row("capitals, a list", problem("NOMBRE come FRUTA .", "1"), "sin-lista", none);
        row("no accent",
            problem("NOMBRE llega a la ESTACION", "1", {{QStringLiteral("datos/ESTACIÓN.txt"), "Norte\r\n"}}),
            "sin-lista", error(T(1), "ESTACION"), QStringLiteral("ESTACIÓN"));
        row("accent in NUMERO", withList(numbers(1, 3), "NUMERO1", "NUMERO1 y NÚMERO3"), "sin-lista",
            error(T(1), "NÚMERO3"), QStringLiteral("¿quería decir NUMERO3?"));
        row("NUMERO, no list", problem("NOMBRE tiene NUMERO9", "1"), "sin-lista", error(T(1), "NUMERO9"));
        row("capitals, no list at all", problem("NOMBRE visita PORTUGAL", "1"), "sin-lista",
            warning(T(1), "PORTUGAL"));
        row("a long word is shortened", problem("NOMBRE ve " + QByteArray(60, 'Z'), "1"), "sin-lista",
            warning(T(1), QString(40, u'Z') + u'…'));
        row("abbreviations", problem("NOMBRE compra un DVD con IVA , tomo XIV", "1"), "sin-lista", none);
        row("Numerosos is a word", problem("Numerosos amigos de NOMBRE", "1"), "sin-lista", none);
        row("sign stuck", problem("NOMBRE come FRUTA.", "1"), "signo-pegado", error(T(1), "FRUTA."),
            QStringLiteral("«FRUTA .»"));
        row("sign apart", problem("NOMBRE come FRUTA .", "1"), "signo-pegado", none);
        row("ordinary word with a sign", problem("NOMBRE come fruta.", "1"), "signo-pegado", none);
        row("comma stuck", problem("NOMBRE, come", "1"), "signo-pegado", error(T(1), "NOMBRE,"));
        row("signs around a repeat", problem("NOMBRE llega . ¿=NOMBRE?", "1"), "signo-pegado",
            error(T(1), "¿=NOMBRE?"), QStringLiteral("«¿ =NOMBRE ?»"));
        row("no referent", problem("Luis y =NOMBRE", "1"), "referencia-sin-referente",
            error(T(1), "=NOMBRE"));
        row("referent", problem("NOMBRE y =NOMBRE", "1"), "referencia-sin-referente", none);
        row("sign stuck to a repeat", problem("NOMBRE llega . ¿ =NOMBRE?", "1"), "referencia-sin-referente",
            error(T(1), "=NOMBRE?"), QStringLiteral("«=NOMBRE ?»"));
        row("repeat of a plural", problem("NOMBRE come FRUTA y =FRUTAS", "1"), "referencia-sin-referente",
            error(T(1), "=FRUTAS"), QStringLiteral("=FRUTA"));
        row("reference first", problem("=NOMBRE y NOMBRE", "1"), "referencia-antes", error(T(1), "=NOMBRE"));
        row("reference after", problem("NOMBRE y =NOMBRE", "1"), "referencia-antes", none);
        row("reference to a reference", problem("NOMBRE =NOMBRE ==NOMBRE", "1"), "referencia-a-referencia",
            error(T(1), "==NOMBRE"));
        row("reference to the word", problem("NOMBRE =NOMBRE", "1"), "referencia-a-referencia", none);
        row("word names a list", problem("NOMBRE come fruta", "1"), "palabra-con-lista",
            warning(T(1), "fruta"));
        row("placeholder names a list", problem("NOMBRE come FRUTA", "1"), "palabra-con-lista", none);
        row("two spaces", problem("NOMBRE  come", "1"), "palabra-vacia", warning(T(1), ""));
        row("one space", problem("NOMBRE come", "1"), "palabra-vacia", none);
        row("trailing space", problem("NOMBRE come ", "1"), "palabra-vacia", warning(T(1), ""));
        row("142 words", problem(words(142), "1"), "demasiadas-palabras", warning(T(1), "p141"));
        row("141 words", problem(words(141), "1"), "demasiadas-palabras", none);
        row("10,000 words", problem(words(10000), "1"), "demasiadas-palabras", warning(T(1), "p141"));
        row("empty statement", {{QStringLiteral("Problemas/G/1.txt"), "\r\nNUMERO1\r\n"}}, "enunciado-vacio",
            error(T(1), ""));
        row("statement", ok, "enunciado-vacio", none);
        row("no-break space in a placeholder", problem("NOMBRE\u00A0riega las FRUTA", "1"),
            "caracter-invisible", error(T(1), "NOMBRE<U+00A0>riega"), QStringLiteral("U+00A0"));
        row("zero-width space in a word", problem("NOMBRE ri\u200Bega", "1"), "caracter-invisible",
            warning(T(1), "ri<U+200B>ega"), QStringLiteral("U+200B"));
        row("no-break space in plain text", problem("NOMBRE paga el 10\u00A0%", "1"), "caracter-invisible",
            none);
        row("soft hyphen in a placeholder", problem("NOMBRE come FRU\u00ADTA", "1"), "caracter-invisible",
            error(T(1), "FRU<U+00AD>TA"), QStringLiteral("ya no es FRUTA"));
        row("word list twice", problem("NOMBRE y NOMBRE juegan", "1"), "lista-dos-veces",
            warning(T(1), "NOMBRE"), QStringLiteral("=NOMBRE"));
        row("word list repeated", problem("NOMBRE y =NOMBRE juegan", "1"), "lista-dos-veces", none);
        row("ordinary word twice", problem("NOMBRE come fruta y fruta", "1"), "lista-dos-veces", none);
        row("= after two spaces", problem("NUMERO1  y NUMERO2 = ?", "NUMERO1 + NUMERO2"), "igual-desaparece",
            error(T(1), "="));
        row("= shown", problem("NUMERO1 y NUMERO2 = ?", "NUMERO1 + NUMERO2"), "igual-desaparece", none);
        row("list with an ERROR",
            problem("NOMBRE come FRUTA", "1", {{QStringLiteral("datos/FRUTA.txt"), "uvas\r\n\r\nperas\r\n"}}),
            "usa-lista-con-error", error(T(1), "datos/FRUTA.txt"), QStringLiteral("línea 2"));
        row("lists without an ERROR", ok, "usa-lista-con-error", none);

        // Expression.
        row("no line 2", {{QStringLiteral("Problemas/G/1.txt"), "NOMBRE come\r\n"}}, "sin-linea-2",
            error(T(2), ""));
        row("line 2 of spaces", problem(Fine, "   "), "sin-linea-2", error(T(2), ""));
        row("line 2", ok, "sin-linea-2", none);
        row("TEXTO with a space", problem("NOMBRE elige", "TEXTO "), "texto-con-espacios",
            error(T(2), "TEXTO "));
        row("TEXTO", problem("NOMBRE elige", "TEXTO"), "texto-con-espacios", none);
        row("two spaces in line 2", problem(Fine, "NUMERO1  + NUMERO2"), "token-vacio", error(T(2), ""));
        row("a space after line 2", problem(Fine, "NUMERO1 + NUMERO2 "), "token-vacio", none);
        row("operand not in statement", problem("NUMERO1", "NUMERO1 + NUMERO2"), "operando-no-en-enunciado",
            error(T(2), "NUMERO2"));
        row("operand in statement", ok, "operando-no-en-enunciado", none);
        row("other letter case", problem("NUMERO1 numero2", "NUMERO1 + NUMERO2"), "operando-no-en-enunciado",
            error(T(2), "NUMERO2"), QStringLiteral("enunciado: numero2"));
        row("statement misspells the list", withList(numbers(1, 3), "NUMERO1 + NUMERO3", "NUMERO1 y NÚMERO3"),
            "operando-no-en-enunciado", error(T(2), "NUMERO3"), QStringLiteral("corrija el enunciado"));
        row("operand twice", problem("NUMERO1 y NUMERO1", "NUMERO1 + 1"), "operando-repetido",
            warning(T(2), "NUMERO1"));
        row("operand twice on both lines, told once", problem("NUMERO1 y NUMERO1", "NUMERO1 + NUMERO1"),
            "operando-repetido", warning(T(2), "NUMERO1"));
        row("operand repeated", problem("NUMERO1 y =NUMERO1", "NUMERO1 + 1"), "operando-repetido", none);
        row("list not numbers", withList(lines({"3", "doce"}), "NUMERO1 + NUMERO3"), "lista-no-numerica",
            warning(T(2), "NUMERO3"), QStringLiteral("coma para los decimales"));
        row("list of numbers with decimal commas",
            withList(lines({"3", "2,5", "1.049.173"}), "NUMERO1 + NUMERO3"), "lista-no-numerica", none);
        row("thousands with a point", withList(lines({"1.000", "2.500"}), "NUMERO1 + NUMERO3"),
            "punto-de-miles", warning(T(2), "NUMERO3"), QStringLiteral("1000 o 1 000"));
        row("thousands with a space", withList(lines({"1 000", "2 500"}), "NUMERO1 + NUMERO3"),
            "punto-de-miles", none);
        row("operator as operand", problem(Fine, "+ NUMERO1"), "operador-fuera-de-sitio", error(T(2), "+"));
        row("operator in place", ok, "operador-fuera-de-sitio", none);
        row("operand as operator", problem(Fine, "NUMERO1 NUMERO2"), "operando-fuera-de-sitio",
            error(T(2), "NUMERO2"));
        row("operand in place", ok, "operando-fuera-de-sitio", none);
        row("unknown operator", problem(Fine, "NUMERO1 x NUMERO2"), "operador-desconocido", error(T(2), "x"));
        row("known operator", problem(Fine, "NUMERO1 * NUMERO2"), "operador-desconocido", none);
        row("literal 0", problem(Fine, "NUMERO1 + 0"), "literal-no-positivo", error(T(2), "0"));
        row("literal 1", problem(Fine, "NUMERO1 + 1"), "literal-no-positivo", none);
        row("literal with letters", problem(Fine, "NUMERO1 + 2kg"), "literal-raro", warning(T(2), "2kg"));
        row("literal with a decimal comma", problem(Fine, "NUMERO1 * 2,5"), "literal-raro", none);
        row("17 operands", problem(Fine, "1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1"),
            "demasiados-operandos", error(T(2), "1"));
        row("16 operands", problem(Fine, "1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1"),
            "demasiados-operandos", none);
        row("divisor may be 0", withList(numbers(0, 3), "NUMERO1 / NUMERO3"), "division-por-cero",
            warning(T(2), "NUMERO3"));
        row("divisor never 0", withList(numbers(1, 3), "NUMERO1 / NUMERO3"), "division-por-cero", none);
        const Files brackets = problem(Fine, "( NUMERO1 + NUMERO2 ) * 2");
        row("brackets", brackets, "parentesis", error(T(2), "("), QStringLiteral("izquierda a derecha"));
        row("brackets, nothing else", brackets, "operando-fuera-de-sitio", none);
        row("no brackets", ok, "parentesis", none);

        // Results.
        row("many redrawn", withList(numbers(11, 30), "NUMERO1 - NUMERO3"), "muchos-repetidos",
            warning(T(2), ""));
        row("few redrawn", withList(numbers(5, 14), "NUMERO1 - NUMERO3"), "muchos-repetidos", none);
        row("never accepted", problem(Fine, "1 - 5"), "nunca-aceptado", error(T(2), ""));
        row("accepted", problem(Fine, "5 - 1"), "nunca-aceptado", none);
        row("three decimals", problem(Fine, "3 / 8"), "resultado-muchos-decimales", warning(T(2), ""),
            QStringLiteral("0,375"));
        row("two decimals", problem(Fine, "5 / 4"), "resultado-muchos-decimales", none);
        row("no exact decimals", problem(Fine, "10 / 3"), "resultado-imposible", error(T(2), ""),
            QStringLiteral("en todos los problemas"));
        row("sometimes no exact decimals", withList(lines({"3", "6", "7"}), "NUMERO3 / 3"),
            "resultado-imposible", error(T(2), ""), QStringLiteral("% de las veces"));
        row("exact", problem(Fine, "9 / 3"), "resultado-imposible", none);
        row("beyond the exact range", problem(Fine, "1000000 * 1000000"), "resultado-enorme", error(T(2), ""),
            QStringLiteral("billón"));
        row("within the exact range", problem(Fine, "999999 * 1000000"), "resultado-enorme", none);

        // Choice problems.
        row("no choices", choice({}), "sin-opciones", error(T(4), ""));
        row("choices", choice({"Una suma ", "Una resta"}), "sin-opciones", none);
        row("none marked", choice({"Una suma", "Una resta"}), "ninguna-marcada", error(T(4), ""));
        row("one marked", choice({"Una suma ", "Una resta"}), "ninguna-marcada", none);
        row("marked with a tab", choice({"Una suma\t", "Una resta"}), "ninguna-marcada",
            error(T(4), "Una suma<U+0009>"), QStringLiteral("tabulador"));
        const Files fromLine3 = {{QStringLiteral("Problemas/G/1.txt"),
                                  lines({"NOMBRE elige", "TEXTO", "Una suma ", "Una resta", "Un producto"})}};
        row("marked on line 3", fromLine3, "ninguna-marcada", error(T(3), "Una suma "),
            QStringLiteral("línea 3"));
        row("choice on line 3", fromLine3, "opcion-en-linea-3", warning(T(3), "Una suma "));
        row("note on line 3", choice({"Una suma ", "Una resta"}), "opcion-en-linea-3", none);
        row("two marked", choice({"Una suma ", "Una resta "}), "varias-marcadas", error(T(5), "Una resta "));
        row("only one marked", choice({"Una suma ", "Una resta"}), "varias-marcadas", none);
        row("empty choice", choice({"Una suma ", "", "Una resta"}), "opcion-vacia", error(T(5), ""));
        row("no empty choice", choice({"Una suma ", "Una resta"}), "opcion-vacia", none);
        row("placeholder in a choice", choice({"NOMBRE suma ", "Una resta"}), "hueco-en-opcion",
            warning(T(4), "NOMBRE"));
        row("no placeholder in a choice", choice({"Una suma ", "Una resta"}), "hueco-en-opcion", none);

        // Lists.
        const auto fruta = at("datos/FRUTA.txt");
        row("empty list", problem("NOMBRE come FRUTA", "1", {{QStringLiteral("datos/FRUTA.txt"), ""}}),
            "lista-vacia", error(fruta(0), ""));
        row("list of one", problem("NOMBRE come FRUTA", "1", {{QStringLiteral("datos/FRUTA.txt"), "uvas"}}),
            "lista-vacia", none);
        row("blank line", fruits("uvas\r\n\r\n"), "linea-en-blanco", error(fruta(2), ""));
        row("no blank line", fruits("uvas\r\n"), "linea-en-blanco", none);
        row("202 lines", fruits(numbers(1, 202)), "lista-larga", warning(fruta(202), "202"));
        row("201 lines", fruits(numbers(1, 201)), "lista-larga", none);
        row("100,000 lines", fruits(numbers(1, 100000)), "lista-larga", warning(fruta(202), "202"));
        row("list cannot be read", fruits(Unreadable), "lista-ilegible", error(fruta(0), ""));
        row("list without permission", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt!"), Locked}}),
            "lista-ilegible", error(fruta(0), ""), QStringLiteral("permisos"));
        row("list can be read", ok, "lista-ilegible", none);
        row("template cannot be read", {{QStringLiteral("Problemas/G/1.txt"), Unreadable}},
            "no-se-puede-leer", error(T(0), ""));
        row("template without permission",
            problem(Fine, "1", {{QStringLiteral("Problemas/G/1.txt!"), Locked}}), "no-se-puede-leer",
            error(T(0), ""), QStringLiteral("permisos"));
        row("template can be read", ok, "no-se-puede-leer", none);
        row("list is a pipe", fruits(Pipe), "lista-no-fichero", warning(fruta(0), ""));
        row("list is a file", ok, "lista-no-fichero", none);
        row("empty template", {{QStringLiteral("Problemas/G/1.txt"), ""}}, "plantilla-vacia",
            error(T(0), ""));
        row("template", ok, "plantilla-vacia", none);

        // Text files.
        row("binary template", problem(QByteArray("NOMBRE \0\x81\x01 PK", 13), "1"), "no-es-texto",
            error(T(1), "U+0000"));
        row("Windows-1252 template",
            problem("NOMBRE come pi\xF1"
                    "a",
                    "1"),
            "no-es-texto", none);
        row("binary list", fruits(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)), "no-es-texto",
            error(fruta(2), "U+001A") + QStringLiteral(" | ") + error(fruta(3), "U+0000"));
        const Files unicode = {
            {QStringLiteral("Problemas/G/1.txt"), utf16(QStringLiteral("NOMBRE come\r\n1\r\n"), true)}};
        row("UTF-16 template", unicode, "formato-no-texto", error(T(0), ""), QStringLiteral("UTF-16"));
        row("UTF-16 is one finding", unicode, "no-es-texto", none);
        row("UTF-16 list without a mark", fruits(utf16(QStringLiteral("uvas\r\nperas\r\n"), false)),
            "formato-no-texto", error(fruta(0), ""), QStringLiteral("UTF-16"));
        row("word-processor list", fruits(QByteArray("PK\x03\x04\x14\0\x06\0word/document.xml", 26)),
            "formato-no-texto", error(fruta(0), ""), QStringLiteral(".docx"));
        row("PDF template",
            {{QStringLiteral("Problemas/G/1.txt"),
              QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\x01\n", 25)}},
            "formato-no-texto", error(T(0), ""), QStringLiteral("PDF"));
        row("text template", ok, "formato-no-texto", none);
        row("template is a pipe", problem(Fine, "1", {{QStringLiteral("Problemas/G/2.txt"), Pipe}}),
            "falta-numero", none);

        // Language file.
        const auto language = at("configuracion/idioma.txt");
        row("six language lines",
            {{QStringLiteral("configuracion/idioma.txt"), lines({"A", "B", "C", "D", "E", "F"})}},
            "idioma-corto", error(language(6), ""), QStringLiteral("queda sin texto el título del informe"));
        row("one language line", {{QStringLiteral("configuracion/idioma.txt"), lines({"ACEPTAR"})}},
            "idioma-corto", error(language(1), ""), QStringLiteral("repite la línea 1"));
        row("one language line, in the singular",
            {{QStringLiteral("configuracion/idioma.txt"), lines({"ACEPTAR"})}}, "idioma-corto",
            error(language(1), ""), QStringLiteral("tiene 1 línea de 7"));
        row("seven language lines", ok, "idioma-corto", none);
        row("no language file", {{QStringLiteral("configuracion/idioma.txt"), Absent}}, "sin-idioma",
            error(language(0), ""));
        row("language file without permission", {{QStringLiteral("configuracion/idioma.txt!"), Locked}},
            "sin-idioma", error(language(0), ""), QStringLiteral("permisos"));
        row("language file", ok, "sin-idioma", none);
        row("caption too wide",
            {{QStringLiteral("configuracion/idioma.txt"),
              lines({"ACEPTAR", "Grupos", "COMPROBAR AHORA", "BIEN", "MAL", "¿Salir?", "Informe"})}},
            "texto-no-cabe", warning(language(3), "COMPROBAR AHORA"));
        row("caption fits",
            {{QStringLiteral("configuracion/idioma.txt"),
              lines({"ACEPTAR", "Grupos", "COMPROBAR", "¡MUY BIEN!", "¡INTÉNTALO!", "¿Salir?", "Informe"})}},
            "texto-no-cabe", none);

        // Media.
        row("missing cue", {{QStringLiteral("sonidos/num.WAV"), Absent}}, "falta-sonido",
            warning(QStringLiteral("sonidos/num.WAV:0 "), ""));
        row("cue in other letter case",
            {{QStringLiteral("sonidos/num.WAV"), Absent}, {QStringLiteral("sonidos/NUM.wav"), "RIFF"}},
            "falta-sonido", none);
        row("missing animation", {{QStringLiteral("gifs/miro.gif"), Absent}}, "falta-animacion",
            warning(QStringLiteral("gifs/miro.gif:0 "), ""));
        row("animation", ok, "falta-animacion", none);
    }

    void finding() {
        QFETCH(Files, files);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QFETCH(QString, says);
        const QList<Finding> findings = check(files);
        QStringList found;
        QString first;
        for (const Finding& f : findings) {
            if (f.code != code)
                continue;
            found << placed(f);
            if (first.isEmpty())
                first = f.effect + QStringLiteral(". ") + f.fix;
        }
        QVERIFY2(found.join(QStringLiteral(" | ")) == expected, qPrintable(allOf(findings)));
        QVERIFY2(first.contains(says), qPrintable(first));
    }
};

QTEST_MAIN(TestCheckerFindings)
#include "tst_checker_findings.moc"
