// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of finding the checker promises: one row that triggers it, one near miss that must
// not. Each row writes a small application folder: a clean base (lists, language file, sounds,
// animations) changed by the row's files.

#include "checker/CaptionFit.h"
#include "checker/ContentCheck.h"
#include "support/TempAppFolder.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

using Files = QMap<QString, QByteArray>;

const QByteArray Absent = "<absent>"; // the base file is removed
const QByteArray Folder = "<folder>"; // an empty folder
const QByteArray Pipe = "<pipe>";     // a named pipe
// A file that opens but cannot be read, even by the superuser the tests may run as.
const QByteArray Unreadable = "<unreadable>";

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
    return {
        {QStringLiteral("Problemas/G/1.txt"), lines(QStringList{"NOMBRE elige", "TEXTO", "nota"} + choices)}};
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
        } else if (*it == Unreadable) {
            app.mkdir(QFileInfo(it.key()).path());
            QFile::remove(path);
            QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));
        } else {
            app.write(it.key(), *it);
        }
    }
}

QStringList codesOf(const ContentReport& report) {
    QStringList codes;
    const auto add = [&](const QList<Finding>& findings) {
        for (const Finding& finding : findings)
            codes << finding.code;
    };
    add(report.findings);
    for (const GroupReport& group : report.groups) {
        add(group.findings);
        for (const TemplateReport& problem : group.templates)
            add(problem.findings);
    }
    return codes;
}

ContentReport check(const Files& files) {
    TempAppFolder app;
    writeBase(app);
    writeRow(app, files);
    CheckOptions options;
    options.samples = 1;
    options.draws = 400;
    const WindowCaptionMeter meter;
    return CheckContent(options, &meter);
}

} // namespace

class TestCheckerFindings : public QObject {
    Q_OBJECT

private slots:
    void cleanContentHasNoFinding() {
        const ContentReport report = check(problem(Fine, "NUMERO1 + NUMERO2"));
        QCOMPARE(codesOf(report), QStringList());
        QCOMPARE(report.templateCount(), 1);
        QCOMPARE(report.listCount, 4);
    }

    void finding_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("found");
        const auto row = [](const char* name, const Files& files, const char* code, bool found) {
            QTest::newRow(name) << files << QString::fromLatin1(code) << found;
        };
        const Files ok = problem(Fine, "NUMERO1 + NUMERO2");
        const auto withList = [](const QByteArray& list, const QByteArray& expression) {
            return problem("NUMERO1 y NUMERO3", expression, {{QStringLiteral("datos/NUMERO3.txt"), list}});
        };

        // Groups.
        row("no Problemas", {}, "sin-problemas", true);
        row("Problemas", ok, "sin-problemas", false);
        row("no group", {{QStringLiteral("Problemas/"), Folder}}, "sin-grupos", true);
        row("a group", ok, "sin-grupos", false);
        row("empty group", {{QStringLiteral("Problemas/G/"), Folder}}, "grupo-vacio", true);
        row("group with a template", ok, "grupo-vacio", false);
        const Files gap = problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/3.txt"), "a\r\n1\r\n"}});
        const Files noGap = problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/2.TXT"), "a\r\n1\r\n"}});
        row("gap", gap, "falta-numero", true);
        row("no gap", noGap, "falta-numero", false);
        row("beyond the count", gap, "numero-inalcanzable", true);
        row("within the count", noGap, "numero-inalcanzable", false);
        row("stray file", problem(Fine, "NUMERO1", {{QStringLiteral("Problemas/G/nota.txt"), "x"}}),
            "fichero-extra", true);
        row("2.TXT is a template", noGap, "fichero-extra", false);

        // Statement.
        row("capitals, no list", problem("NOMBRE come FRUTAS .", "1"), "sin-lista", true);
        row("capitals, a list", problem("NOMBRE come FRUTA .", "1"), "sin-lista", false);
        row("NUMERO, no list", problem("NOMBRE tiene NUMERO9", "1"), "sin-lista", true);
        row("Numerosos is a word", problem("Numerosos amigos de NOMBRE", "1"), "sin-lista", false);
        row("sign stuck", problem("NOMBRE come FRUTA.", "1"), "signo-pegado", true);
        row("sign apart", problem("NOMBRE come FRUTA .", "1"), "signo-pegado", false);
        row("comma stuck", problem("NOMBRE, come", "1"), "signo-pegado", true);
        row("no referent", problem("Luis y =NOMBRE", "1"), "referencia-sin-referente", true);
        row("referent", problem("NOMBRE y =NOMBRE", "1"), "referencia-sin-referente", false);
        row("reference first", problem("=NOMBRE y NOMBRE", "1"), "referencia-antes", true);
        row("reference after", problem("NOMBRE y =NOMBRE", "1"), "referencia-antes", false);
        row("word names a list", problem("NOMBRE come fruta", "1"), "palabra-con-lista", true);
        row("placeholder names a list", problem("NOMBRE come FRUTA", "1"), "palabra-con-lista", false);
        row("two spaces", problem("NOMBRE  come", "1"), "palabra-vacia", true);
        row("one space", problem("NOMBRE come", "1"), "palabra-vacia", false);
        row("trailing space", problem("NOMBRE come ", "1"), "palabra-vacia", true);
        row("142 words", problem(words(142), "1"), "demasiadas-palabras", true);
        row("141 words", problem(words(141), "1"), "demasiadas-palabras", false);
        row("10,000 words", problem(words(10000), "1"), "demasiadas-palabras", true);

        // Expression.
        row("operand not in statement", problem("NUMERO1", "NUMERO1 + NUMERO2"), "operando-no-en-enunciado",
            true);
        row("operand in statement", ok, "operando-no-en-enunciado", false);
        row("other letter case", problem("NUMERO1 numero2", "NUMERO1 + NUMERO2"), "operando-no-en-enunciado",
            true);
        row("list not numbers", withList(lines({"3", "doce"}), "NUMERO1 + NUMERO3"), "lista-no-numerica",
            true);
        row("list of numbers", withList(lines({"3", "12"}), "NUMERO1 + NUMERO3"), "lista-no-numerica", false);
        row("operator as operand", problem(Fine, "+ NUMERO1"), "operador-fuera-de-sitio", true);
        row("operator in place", ok, "operador-fuera-de-sitio", false);
        row("operand as operator", problem(Fine, "NUMERO1 NUMERO2"), "operando-fuera-de-sitio", true);
        row("operand in place", ok, "operando-fuera-de-sitio", false);
        row("unknown operator", problem(Fine, "NUMERO1 x NUMERO2"), "operador-desconocido", true);
        row("known operator", problem(Fine, "NUMERO1 * NUMERO2"), "operador-desconocido", false);
        row("literal 0", problem(Fine, "NUMERO1 + 0"), "literal-no-positivo", true);
        row("literal 1", problem(Fine, "NUMERO1 + 1"), "literal-no-positivo", false);
        row("17 operands", problem(Fine, "1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1"),
            "demasiados-operandos", true);
        row("16 operands", problem(Fine, "1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1"),
            "demasiados-operandos", false);
        row("divisor may be 0", withList(numbers(0, 3), "NUMERO1 / NUMERO3"), "division-por-cero", true);
        row("divisor never 0", withList(numbers(1, 3), "NUMERO1 / NUMERO3"), "division-por-cero", false);

        // Results.
        row("many redrawn", withList(numbers(11, 30), "NUMERO1 - NUMERO3"), "muchos-repetidos", true);
        row("few redrawn", withList(numbers(5, 14), "NUMERO1 - NUMERO3"), "muchos-repetidos", false);
        row("never accepted", problem(Fine, "1 - 5"), "nunca-aceptado", true);
        row("accepted", problem(Fine, "5 - 1"), "nunca-aceptado", false);
        row("decimals", problem(Fine, "5 / 2"), "resultado-con-decimales", true);
        row("whole", problem(Fine, "4 / 2"), "resultado-con-decimales", false);
        row("too many decimals", problem(Fine, "10 / 3"), "resultado-imposible", true);
        row("exact", problem(Fine, "9 / 3"), "resultado-imposible", false);

        // Choice problems.
        row("no choices", choice({}), "sin-opciones", true);
        row("choices", choice({"Una suma ", "Una resta"}), "sin-opciones", false);
        row("none marked", choice({"Una suma", "Una resta"}), "ninguna-marcada", true);
        row("one marked", choice({"Una suma ", "Una resta"}), "ninguna-marcada", false);
        row("two marked", choice({"Una suma ", "Una resta "}), "varias-marcadas", true);
        row("only one marked", choice({"Una suma ", "Una resta"}), "varias-marcadas", false);
        row("empty choice", choice({"Una suma ", "", "Una resta"}), "opcion-vacia", true);
        row("no empty choice", choice({"Una suma ", "Una resta"}), "opcion-vacia", false);

        // Lists.
        row("empty list", problem("NOMBRE come FRUTA", "1", {{QStringLiteral("datos/FRUTA.txt"), ""}}),
            "lista-vacia", true);
        row("list of one", problem("NOMBRE come FRUTA", "1", {{QStringLiteral("datos/FRUTA.txt"), "uvas"}}),
            "lista-vacia", false);
        row("blank line", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), "uvas\r\n\r\n"}}),
            "linea-en-blanco", true);
        row("no blank line", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), "uvas\r\n"}}),
            "linea-en-blanco", false);
        row("202 lines", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), numbers(1, 202)}}),
            "lista-larga", true);
        row("201 lines", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), numbers(1, 201)}}),
            "lista-larga", false);
        row("100,000 lines", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), numbers(1, 100000)}}),
            "lista-larga", true);
        row("list cannot be read", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), Unreadable}}),
            "lista-ilegible", true);
        row("list can be read", ok, "lista-ilegible", false);
        row("template cannot be read", {{QStringLiteral("Problemas/G/1.txt"), Unreadable}},
            "no-se-puede-leer", true);
        row("template can be read", ok, "no-se-puede-leer", false);
        row("list is a pipe", problem(Fine, "1", {{QStringLiteral("datos/FRUTA.txt"), Pipe}}),
            "lista-no-fichero", true);
        row("list is a file", ok, "lista-no-fichero", false);

        // Text files.
        row("binary template", problem(QByteArray("NOMBRE \0\x81\x01 PK", 13), "1"), "no-es-texto", true);
        row("Windows-1252 template",
            problem("NOMBRE come pi\xF1"
                    "a",
                    "1"),
            "no-es-texto", false);
        row("binary list",
            problem(Fine, "1",
                    {{QStringLiteral("datos/FRUTA.txt"), QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)}}),
            "no-es-texto", true);
        row("template is a pipe", problem(Fine, "1", {{QStringLiteral("Problemas/G/2.txt"), Pipe}}),
            "falta-numero", false);
        row("six language lines",
            {{QStringLiteral("configuracion/idioma.txt"), lines({"A", "B", "C", "D", "E", "F"})}},
            "idioma-corto", true);
        row("seven language lines", ok, "idioma-corto", false);
        row("caption too wide",
            {{QStringLiteral("configuracion/idioma.txt"),
              lines({"ACEPTAR", "Grupos", "COMPROBAR AHORA", "BIEN", "MAL", "¿Salir?", "Informe"})}},
            "texto-no-cabe", true);
        row("caption fits",
            {{QStringLiteral("configuracion/idioma.txt"),
              lines({"ACEPTAR", "Grupos", "COMPROBAR", "¡MUY BIEN!", "¡INTÉNTALO!", "¿Salir?", "Informe"})}},
            "texto-no-cabe", false);

        // Media.
        row("missing cue", {{QStringLiteral("sonidos/num.WAV"), Absent}}, "falta-sonido", true);
        row("cue in other letter case",
            {{QStringLiteral("sonidos/num.WAV"), Absent}, {QStringLiteral("sonidos/NUM.wav"), "RIFF"}},
            "falta-sonido", false);
        row("missing animation", {{QStringLiteral("gifs/miro.gif"), Absent}}, "falta-animacion", true);
        row("animation", ok, "falta-animacion", false);
    }

    void finding() {
        QFETCH(Files, files);
        QFETCH(QString, code);
        QFETCH(bool, found);
        const QStringList codes = codesOf(check(files));
        QVERIFY2(codes.contains(code) == found, qPrintable(codes.join(u' ')));
    }
};

QTEST_MAIN(TestCheckerFindings)
#include "tst_checker_findings.moc"
