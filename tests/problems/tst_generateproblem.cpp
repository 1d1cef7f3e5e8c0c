// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "support/FakeProblemView.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// Draws that pick a given line of the example lists.
float Ana() {
    return 0.25f;
}
float Luis() {
    return 0.75f;
}
float N1(int value) {
    return (value - 3 + 0.5f) / 7;
} // NUMERO1: 3 .. 9
float N2(int value) {
    return (value - 2 + 0.5f) / 4;
} // NUMERO2: 2 .. 5

// The example content: NOMBRE (Ana, Luis), NUMERO1 (3 to 9), NUMERO2 (2 to 5), a few more lists.
void writeLists(const TempAppFolder& app) {
    app.writeLines("datos/NOMBRE.TXT", {"Ana", "Luis"});
    app.writeLines("datos/NUMERO1.txt", {"3", "4", "5", "6", "7", "8", "9"});
    app.writeLines("datos/numero2.txt", {"2", "3", "4", "5"});
    app.writeLines("datos/NUMEROZ.txt", {"0"});
    app.writeLines("datos/NUMEROM.txt", {"-1", "-2"});
    app.writeLines("datos/NUMEROB.txt", {"0", "1"});
    app.writeLines("datos/NUMEROC.txt", {"12 manzanas", "1 000", "2,5 kg"});
    app.writeLines("datos/LISTA5.txt", {"l1", "l2", "l3", "l4", "l5"});
    app.writeLines("datos/LISTA3.txt", {"m1", "m2", "m3"});
    app.write("datos/VACIA.txt", "");
}

struct Generation {
    ExerciseState state;
    FakeProblemView view;
    ScriptedRandom random;

    explicit Generation(QList<float> script = {0.0f}) : random(std::move(script)) {}
    void run(const QString& templatePath) { GenerateProblem(templatePath, state, view, random); }
};

QString writeTemplate(const TempAppFolder& app, const QStringList& lines) {
    return app.writeLines("Problemas/grupo/1.txt", lines);
}

const QString Example =
    QStringLiteral("NOMBRE tiene NUMERO1 cromos y gana NUMERO2 . ¿Cuántos cromos tiene =NOMBRE ?");

} // namespace

class TestGenerateProblem : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void numericProblems_data();
    void numericProblems();
    void acceptance_data();
    void acceptance();
    void hopelessTemplateStopsAfterTenThousandAttempts();
    void forwardReferenceShowsThePreviousAttempt();
    void choiceProblem();
    void choiceProblemNeverRepeats();
    void textoFollowedByASpaceIsNumeric();
    void dataLinesAreNeverCleared();
    void emptyListDrawsAndShowsWhatWasLeft();
    void longListKeepsItsFirstLines();
    void unreadableListHasNoLines();
    void wordsThatNameNoList_data();
    void wordsThatNameNoList();
    void editsAndNewListsAreSeen();
    void siteListsAreDrawnFirst_data();
    void siteListsAreDrawnFirst();
    void moreThanSixteenOperands();
    void moreThan141Words();
    void unreadableTemplate_data();
    void unreadableTemplate();
    void oneLineTemplate();
    void everyCallStartsAfresh();
    void utf8TemplateReadsLikeWindows1252();
    void randomGenerator();
};

void TestGenerateProblem::workedExample_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("result");
    QTest::addColumn<QList<double>>("numbers");
    QTest::newRow("sum") << "NUMERO1 + NUMERO2" << 11.0 << QList<double>{7, 4};
    QTest::newRow("no precedence") << "NUMERO1 - NUMERO2 * 2" << 6.0 << QList<double>{7, 4, 2};
}

void TestGenerateProblem::workedExample() {
    QFETCH(QString, expression);
    QFETCH(double, result);
    QFETCH(QList<double>, numbers);
    TempAppFolder app;
    writeLists(app);
    Generation g({Luis(), N1(7), N2(4)});
    g.run(writeTemplate(app, {Example, expression}));

    QCOMPARE(g.view.statementText,
             QStringLiteral("Luis tiene 7 cromos y gana 4 . ¿Cuántos cromos tiene Luis ? "));
    QCOMPARE(g.state.Result, result);
    for (int k = 0; k < 16; ++k)
        QCOMPARE(g.state.Number[k], k < numbers.size() ? numbers[k] : 0.0);
    QCOMPARE(g.random.draws(), 3);
    QCOMPARE(g.view.statementLine, Example);
    QCOMPARE(g.view.words, Example.split(u' '));
    QCOMPARE(g.view.tokens, expression.split(u' '));
    QVERIFY(!g.view.tokensVisible);
    QVERIFY(g.view.answerVisible);
    QCOMPARE(g.state.WordValue[0], "Luis");
    QCOMPARE(g.state.WordValue[1], "tiene");
    QCOMPARE(g.state.WordValue[2], "7");
    QCOMPARE(g.state.WordValue[11], QString()); // the back-reference keeps no entry
    QCOMPARE(g.state.WordValue[12], "?");
    QCOMPARE(g.state.Scratch, expression.split(u' ').last());
    QCOMPARE(g.state.DataLine[3], "5"); // the last list read was NUMERO2
    QCOMPARE(g.state.DataLine[4], "7"); // and before it NUMERO1
}

void TestGenerateProblem::numericProblems_data() {
    QTest::addColumn<QString>("statementLine");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<double>("result");

    QTest::newRow("list word in other case") << "nombre y Numero2"
                                             << "NUMERO1" << QList<float>{Ana(), N2(3)} << "Ana y 3 " << 0.0;
    QTest::newRow("named operand is case-sensitive")
        << "numero1 y NUMERO2"
        << "NUMERO1 + NUMERO2" << QList<float>{N1(9), N2(5)} << "9 y 5 " << 5.0;
    QTest::newRow("named operand matches words case-sensitively")
        << "numero1 y x"
        << "Numero1 + 1" << QList<float>{N1(9)} << "9 y x " << 1.0;
    QTest::newRow("lower case named operand matches its word")
        << "numero1 y x"
        << "numero1 + 1" << QList<float>{N1(9)} << "9 y x " << 10.0;
    QTest::newRow("two spaces make an empty word") << "a  NUMERO1"
                                                   << "NUMERO1" << QList<float>{N1(4)} << "a  4 " << 4.0;
    QTest::newRow("leading and trailing space") << " a "
                                                << "2" << QList<float>{} << " a  " << 2.0;
    QTest::newRow("tab stays inside its word") << "a\tb NUMERO1"
                                               << "NUMERO1" << QList<float>{N1(7)} << "a\tb 7 " << 7.0;
    QTest::newRow("word used twice draws twice") << "NUMERO1 y NUMERO1 y NUMERO2"
                                                 << "NUMERO1 - NUMERO2" << QList<float>{N1(9), N1(4), N2(2)}
                                                 << "9 y 4 y 2 " << 5.0; // 9 - 4: the 2 is left over
    QTest::newRow("operand matching no word gives none")
        << "NUMERO1 y NUMERO2"
        << "NUMERO1 + NUMERO3 + NUMERO2" << QList<float>{N1(7), N2(4)} << "7 y 4 " << 11.0;
    QTest::newRow("literal operand") << "NUMERO1"
                                     << "NUMERO1 + 2" << QList<float>{N1(7)} << "7 " << 9.0;
    QTest::newRow("zero is no operand") << "NUMERO1"
                                        << "NUMERO1 + 0" << QList<float>{N1(7)} << "7 " << 7.0;
    QTest::newRow("zero shifts the operands")
        << "NUMERO1 NUMERO2"
        << "NUMERO1 * 0 + NUMERO2" << QList<float>{N1(7), N2(4)} << "7 4 " << 28.0;
    QTest::newRow("negative literal is no operand") << "NUMERO1"
                                                    << "NUMERO1 + -3" << QList<float>{N1(7)} << "7 " << 7.0;
    QTest::newRow("decimal literal") << "NUMERO1"
                                     << "NUMERO1 * .5" << QList<float>{N1(7)} << "7 " << 3.5;
    QTest::newRow("division gives a fraction") << "NUMERO1"
                                               << "NUMERO1 / 2" << QList<float>{N1(5)} << "5 " << 2.5;
    QTest::newRow("unknown operator uses up a value")
        << "NUMERO1 NUMERO2"
        << "NUMERO1 x NUMERO2 + 3" << QList<float>{N1(7), N2(4)} << "7 4 " << 10.0;
    QTest::newRow("empty token at an operator place")
        << "NUMERO1 NUMERO2"
        << "NUMERO1  NUMERO2 + 3" << QList<float>{N1(7), N2(4)} << "7 4 " << 10.0;
    QTest::newRow("operators only at odd places")
        << "NUMERO1 NUMERO2"
        << "+ NUMERO1 + NUMERO2" << QList<float>{N1(7), N2(4)} << "7 4 " << 7.0;
    QTest::newRow("two-character operator is none")
        << "NUMERO1 NUMERO2"
        << "NUMERO1 ++ NUMERO2" << QList<float>{N1(7), N2(4)} << "7 4 " << 7.0;
    QTest::newRow("items read by their leading number")
        << "NUMEROC NUMEROC NUMEROC"
        << "NUMEROC + NUMEROC + NUMEROC" << QList<float>{0.1f, 0.5f, 0.9f} << "12 manzanas 1 000 2,5 kg "
        << 1014.5;
    QTest::newRow("literal word as named operand reads 0")
        << "NUMEROS NUMERO1"
        << "NUMERO1 * NUMEROS + 4" << QList<float>{N1(5)} << "NUMEROS 5 " << 4.0;
    QTest::newRow("highest draw picks the last line")
        << "NUMERO1"
        << "NUMERO1" << QList<float>{0.99999994f} << "9 " << 9.0;
    QTest::newRow("lowest draw picks the first line") << "NUMERO1"
                                                      << "NUMERO1" << QList<float>{0.0f} << "3 " << 3.0;
    QTest::newRow("reference to the first equal word")
        << "NOMBRE y NOMBRE , =NOMBRE"
        << "1" << QList<float>{Ana(), Luis()} << "Ana y Luis , Ana " << 1.0;
    QTest::newRow("reference to a reference is empty")
        << "NOMBRE =NOMBRE ==NOMBRE fin"
        << "1" << QList<float>{Luis()} << "Luis Luis  fin " << 1.0;
    QTest::newRow("forward reference is empty at first")
        << "=NOMBRE tiene NOMBRE"
        << "1" << QList<float>{Ana()} << " tiene Ana " << 1.0;
    QTest::newRow("reference is case-sensitive") << "NOMBRE y =nombre"
                                                 << "1" << QList<float>{Luis()} << "Luis y =nombre " << 1.0;
    QTest::newRow("reference to a missing word shows it")
        << "NOMBRE y =NOMBER"
        << "1" << QList<float>{Luis()} << "Luis y =NOMBER " << 1.0;
    QTest::newRow("reference to a literal") << "casa , =casa"
                                            << "1" << QList<float>{} << "casa , casa " << 1.0;
    QTest::newRow("reference to an empty word") << "a  ="
                                                << "1" << QList<float>{} << "a   " << 1.0;
    QTest::newRow("operand reads a referent, not the reference")
        << "NUMERO1 =NUMERO1"
        << "NUMERO1 + 1" << QList<float>{N1(6)} << "6 6 " << 7.0;
}

void TestGenerateProblem::numericProblems() {
    QFETCH(QString, statementLine);
    QFETCH(QString, expression);
    QFETCH(QList<float>, script);
    QFETCH(QString, statement);
    QFETCH(double, result);
    TempAppFolder app;
    writeLists(app);
    const qsizetype draws = script.size();
    Generation g(std::move(script));
    g.run(writeTemplate(app, {statementLine, expression}));
    QCOMPARE(g.view.statementText, statement);
    QCOMPARE(g.state.Result, result);
    QCOMPARE(g.random.draws(), draws);
    QCOMPARE(g.view.words, statementLine.split(u' '));
    QCOMPARE(g.view.tokens, expression.split(u' '));
    QVERIFY(g.view.answerVisible);
    QVERIFY(!g.view.tokensVisible);
}

void TestGenerateProblem::acceptance_data() {
    QTest::addColumn<QString>("statementLine");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<double>("result");
    QTest::addColumn<int>("draws");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("negative difference drawn again")
        << "NUMERO1 - NUMERO2"
        << "NUMERO1 - NUMERO2" << QList<float>{N1(3), N2(5), N1(9), N2(2)} << "9 - 2 " << 7.0 << 4;
    // Before its draw a list loads its lines into DataLine; an empty list shows DataLine(0), which
    // on a second attempt is what the last list of the first attempt left there.
    QTest::newRow("empty list redrawn shows the earlier attempt's DataLine(0)")
        << "VACIA NUMERO1 NUMERO2"
        << "NUMERO1 - NUMERO2" << QList<float>{0.0f, N1(3), N2(5), 0.0f, N1(9), N2(2)} << "2 9 2 " << 7.0
        << 6;
    QTest::newRow("minus one is rejected")
        << "NUMERO1 NUMERO2"
        << "NUMERO1 - NUMERO2" << QList<float>{N1(4), N2(5), N1(5), N2(5)} << "5 5 " << 0.0 << 4;
    QTest::newRow("minus a half is accepted") << "NUMEROM"
                                              << "NUMEROM / 2" << QList<float>{0.0f} << "-1 " << -0.5 << 1;
    QTest::newRow("NaN is rejected") << "NUMEROB NUMEROB"
                                     << "NUMEROB / NUMEROB" << QList<float>{0.0f, 0.0f, 0.5f, 0.5f} << "1 1 "
                                     << 1.0 << 4;
    QTest::newRow("plus infinity is accepted")
        << "NUMERO1 NUMEROZ"
        << "NUMERO1 / NUMEROZ" << QList<float>{0.0f} << "3 0 " << inf << 2;
    // A reference to a later literal shows nothing in the first attempt and the literal after.
    QTest::newRow("reference to a later literal, first attempt")
        << "=gana NUMERO1 gana"
        << "NUMERO1 - 5" << QList<float>{N1(9)} << " 9 gana " << 4.0 << 1;
    QTest::newRow("reference to a later literal, drawn again")
        << "=gana NUMERO1 gana"
        << "NUMERO1 - 5" << QList<float>{N1(3), N1(9)} << "gana 9 gana " << 4.0 << 2;
    QTest::newRow("reference to a reference stays empty")
        << "==x =x x NUMERO1"
        << "NUMERO1 - 5" << QList<float>{N1(3), N1(9)} << " x x 9 " << 4.0 << 2;
    // Ten thousand attempts at a statement of ten thousand words: the last attempt shows.
    QTest::newRow("10,000 words never accepted")
        << "NUMEROM " + QString("x ").repeated(9999) + "=NUMEROM"
        << "NUMEROM" << QList<float>{0.0f, 0.5f} << "-2 " + QString("x ").repeated(9999) + "-2 " << -2.0
        << MaxAttempts;
}

void TestGenerateProblem::acceptance() {
    QFETCH(QString, statementLine);
    QFETCH(QString, expression);
    QFETCH(QList<float>, script);
    QFETCH(QString, statement);
    QFETCH(double, result);
    QFETCH(int, draws);
    TempAppFolder app;
    writeLists(app);
    Generation g(std::move(script));
    const QString path = writeTemplate(app, {statementLine, expression});
    g.run(path);
    QCOMPARE(g.view.statementText, statement);
    QCOMPARE(g.state.Result, result);
    QCOMPARE(g.random.draws(), draws);
}

void TestGenerateProblem::hopelessTemplateStopsAfterTenThousandAttempts() {
    TempAppFolder app;
    writeLists(app);
    // Every draw gives -1 or -2: never accepted. The script alternates, so the last (even)
    // attempt shows -2.
    Generation g({0.0f, 0.5f});
    g.run(writeTemplate(app, {"Pierdes NUMEROM", "NUMEROM"}));
    QCOMPARE(g.random.draws(), MaxAttempts);
    QCOMPARE(g.view.statementText, "Pierdes -2 ");
    QCOMPARE(g.state.Result, -2.0);
    QVERIFY(g.view.answerVisible);

    // The same for 0 / 0 and for minus infinity.
    for (const QString& expression :
         {QStringLiteral("NUMEROZ / NUMEROZ"), QStringLiteral("NUMEROM / NUMEROZ")}) {
        Generation h;
        h.run(writeTemplate(app, {"NUMEROZ NUMEROM", expression}));
        QCOMPARE(h.random.draws(), 2 * MaxAttempts);
        QVERIFY(!(h.state.Result > -1));
    }
}

void TestGenerateProblem::forwardReferenceShowsThePreviousAttempt() {
    // WordValue is cleared once per call, not per attempt: a reference to a later word shows what
    // that word drew in the attempt before.
    TempAppFolder app;
    writeLists(app);
    Generation g({N1(3), N1(9)});
    g.run(writeTemplate(app, {"=NUMERO1 NUMERO1", "NUMERO1 - 5"}));
    QCOMPARE(g.view.statementText, "3 9 ");
    QCOMPARE(g.state.Result, 4.0);
}

void TestGenerateProblem::choiceProblem() {
    TempAppFolder app;
    writeLists(app);
    Generation g({Luis()});
    g.state.Result = 42;
    g.state.Number[0] = 5;
    g.run(writeTemplate(app,
                        {"¿Qué fruta compra NOMBRE ?", "texto", "ignored", "pera", "manzana ", "", "uva  "}));
    QCOMPARE(g.view.statementText, QStringLiteral("¿Qué fruta compra Luis ? "));
    QCOMPARE(g.view.tokens, (QStringList{"pera", "manzana ", "", "uva  "}));
    QVERIFY(g.view.tokensVisible);
    QVERIFY(!g.view.answerVisible);
    QCOMPARE(g.state.Result, 42.0);
    QCOMPARE(g.state.Number[0], 0.0);
    QCOMPARE(g.state.Scratch, "texto");
    QCOMPARE(g.random.draws(), 1);

    // Fewer than four lines: no choices.
    g.run(writeTemplate(app, {"Elige", "TEXTO", "x"}));
    QVERIFY(g.view.tokens.isEmpty());
    QVERIFY(g.view.tokensVisible);
}

void TestGenerateProblem::choiceProblemNeverRepeats() {
    // Even when the result left by an earlier problem would not be accepted.
    TempAppFolder app;
    writeLists(app);
    Generation g;
    g.state.Result = -5;
    g.run(writeTemplate(app, {"NOMBRE elige", "TEXTO", "", "a ", "b"}));
    QCOMPARE(g.random.draws(), 1);
    QCOMPARE(g.state.Result, -5.0);
    QCOMPARE(g.view.tokens, (QStringList{"a ", "b"}));
}

void TestGenerateProblem::textoFollowedByASpaceIsNumeric() {
    TempAppFolder app;
    writeLists(app);
    Generation g;
    g.state.Result = 8;
    g.run(writeTemplate(app, {"Elige", "TEXTO ", "", "a ", "b"}));
    QCOMPARE(g.state.Result, 0.0);
    QCOMPARE(g.view.tokens, (QStringList{"TEXTO", ""}));
    QVERIFY(g.view.answerVisible);
    QVERIFY(!g.view.tokensVisible);
}

void TestGenerateProblem::dataLinesAreNeverCleared() {
    TempAppFolder app;
    writeLists(app);
    Generation g({0.0f, 0.0f});
    g.run(writeTemplate(app, {"LISTA5 LISTA3", "1"}));
    QCOMPARE(g.view.statementText, "l1 m1 ");
    const QStringList expected{"m1", "m2", "m3", "l4", "l5"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(g.state.DataLine[i], expected[i]);
    // Also across calls.
    g.run(writeTemplate(app, {"NOMBRE", "1"}));
    QCOMPARE(g.state.DataLine[2], "m3");
}

void TestGenerateProblem::emptyListDrawsAndShowsWhatWasLeft() {
    TempAppFolder app;
    writeLists(app);
    {
        Generation g({0.5f});
        g.run(writeTemplate(app, {"VACIA fin", "1"})); // nothing read before: empty text
        QCOMPARE(g.view.statementText, " fin ");
        QCOMPARE(g.random.draws(), 1);
    }
    Generation g({0.9f, 0.5f});
    g.run(writeTemplate(app, {"LISTA5 VACIA", "1"}));
    QCOMPARE(g.view.statementText, "l5 l1 "); // DataLine(0) of LISTA5
    QCOMPARE(g.random.draws(), 2);
    QCOMPARE(g.state.WordValue[1], "l1");

    // A blank line, also the last one, is an item.
    app.write("datos/BLANCOS.txt", "a\r\n\r\n");
    g.random = ScriptedRandom({0.75f});
    g.run(writeTemplate(app, {"x BLANCOS y", "1"}));
    QCOMPARE(g.view.statementText, "x  y ");
}

void TestGenerateProblem::longListKeepsItsFirstLines() {
    TempAppFolder app;
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QString::number(i);
    app.writeLines("datos/NUMEROL.txt", many);
    Generation g({0.99999994f, 0.0f});
    g.run(writeTemplate(app, {"NUMEROL NUMEROL", "NUMEROL + NUMEROL"}));
    QCOMPARE(g.view.statementText, "200 0 ");
    QCOMPARE(g.state.Result, 200.0);
    QCOMPARE(g.state.DataLine[200], "200");
}

void TestGenerateProblem::unreadableListHasNoLines() {
    if (!QFile::exists("/proc/self/mem"))
        QSKIP("needs /proc/self/mem, a file that opens but cannot be read");
    TempAppFolder app;
    writeLists(app);
    app.mkdir("datos");
    QVERIFY(QFile::link("/proc/self/mem", app.path() + "/datos/ROTA.txt"));
    Generation g({0.0f, 0.9f});
    g.run(writeTemplate(app, {"LISTA3 ROTA", "1"}));
    QCOMPARE(g.view.statementText, "m1 m1 ");
    QCOMPARE(g.random.draws(), 2);
}

void TestGenerateProblem::wordsThatNameNoList_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("file"); // written beneath the application folder
    QTest::newRow("wildcard ?") << "NOMBR?"
                                << "datos/NOMBR?.txt";
    QTest::newRow("wildcard *") << "NOM*"
                                << "datos/NOM*.txt";
    QTest::newRow("backslash") << "sub\\LISTA"
                               << "datos/sub/LISTA.txt";
    QTest::newRow("slash") << "sub/LISTA"
                           << "datos/sub/LISTA.txt";
    QTest::newRow("climbing out") << "../OTRA"
                                  << "OTRA.txt";
    QTest::newRow("colon") << "a:b"
                           << "datos/a:b.txt";
    QTest::newRow("folder") << "CARPETA"
                            << "datos/CARPETA.txt/x";
    QTest::newRow("hidden file") << ".OCULTA"
                                 << "datos/.OCULTA.txt";
    QTest::newRow("empty word") << ""
                                << "datos/.txt";
    QTest::newRow("other extension") << "NOMBRE"
                                     << "datos/NOMBRE.dat";
}

void TestGenerateProblem::wordsThatNameNoList() {
    QFETCH(QString, word);
    QFETCH(QString, file);
    TempAppFolder app;
    app.mkdir("datos");
    app.write(file, "X\r\n");
    Generation g;
    g.run(writeTemplate(app, {"a " + word + " b", "1"}));
    QCOMPARE(g.view.statementText, "a " + word + " b ");
    QCOMPARE(g.random.draws(), 0);
    QCOMPARE(g.state.WordValue[1], word);
}

void TestGenerateProblem::editsAndNewListsAreSeen() {
    TempAppFolder app;
    writeLists(app);
    const QString path = writeTemplate(app, {"COLOR NUMERO1", "NUMERO1"});
    Generation g;
    g.run(path);
    QCOMPARE(g.view.statementText, "COLOR 3 ");

    app.writeLines("datos/Color.txt", {"rojo"});
    app.writeLines("datos/NUMERO1.txt", QStringList(7, "8")); // a same-sized edit, at once
    g.run(path);
    QCOMPARE(g.view.statementText, "rojo 8 ");
    QCOMPARE(g.state.Result, 8.0);

    QVERIFY(QFile::remove(app.path() + "/datos/Color.txt"));
    writeTemplate(app, {"COLOR NUMERO1", "NUMERO1 + 1"});
    g.run(path);
    QCOMPARE(g.view.statementText, "COLOR 8 ");
    QCOMPARE(g.state.Result, 9.0);
}

void TestGenerateProblem::siteListsAreDrawnFirst_data() {
    QTest::addColumn<bool>("siteDatosAtFirst");
    QTest::newRow("list added to the site's datos") << true;
    QTest::newRow("site's datos made later") << false;
}

void TestGenerateProblem::siteListsAreDrawnFirst() {
    QFETCH(bool, siteDatosAtFirst);
    TempAppFolder app;
    QTemporaryDir school;
    SetSiteFolder(school.path());
    writeLists(app);
    app.writeLines("datos/COLOR.txt", {"azul"});
    if (siteDatosAtFirst)
        QDir().mkpath(school.path() + "/datos");
    const QString path = writeTemplate(app, {"COLOR NUMERO1", "NUMERO1"});
    Generation g;
    g.run(path);
    const QString before = g.view.statementText;

    // Settled folders, so that only their time stamps can tell that the site now has the list.
    QThread::msleep(100);
    g.run(path);
    QDir().mkpath(school.path() + "/datos");
    QFile list(school.path() + "/datos/color.TXT");
    const bool written = list.open(QIODevice::WriteOnly) && list.write("verde\r\n") > 0;
    list.close();
    g.run(path);
    SetSiteFolder(QString());
    QVERIFY(written);
    QCOMPARE(before, "azul 3 ");
    QCOMPARE(g.view.statementText, "verde 3 ");
}

void TestGenerateProblem::moreThanSixteenOperands() {
    // Seventeen operands: the seventeenth is dropped and its "+" does nothing.
    QStringList tokens;
    for (int i = 0; i < 16; ++i)
        tokens << "1"
               << "+";
    tokens << "100";
    TempAppFolder app;
    Generation g;
    g.run(writeTemplate(app, {"a", tokens.join(u' ')}));
    QCOMPARE(g.state.Result, 16.0);
    QCOMPARE(g.state.Number[15], 1.0);

    // Named operands beyond the sixteenth likewise.
    writeLists(app);
    g.random = ScriptedRandom({N1(9)});
    g.run(writeTemplate(app, {"NUMERO1", QString("2 * ").repeated(16) + "NUMERO1"}));
    QCOMPARE(g.state.Result, 65536.0);
}

void TestGenerateProblem::moreThan141Words() {
    TempAppFolder app;
    writeLists(app);
    QStringList words;
    for (int i = 0; i < 140; ++i)
        words << "x";
    words << "NOMBRE"  // word 141, position 140: the last one kept
          << "NUMERO1" // position 141: shown, but no referent or operand
          << "=NOMBRE"
          << "=NUMERO1"
          << "fin";
    Generation g({Ana(), N1(7)});
    g.run(writeTemplate(app, {words.join(u' '), "NUMERO1 + 1 + NUMERO1"}));
    QCOMPARE(g.view.statementText, QString("x ").repeated(140) + "Ana 7 Ana =NUMERO1 fin ");
    QCOMPARE(g.view.words, words);
    QCOMPARE(g.state.WordValue[140], "Ana");
    QCOMPARE(g.state.Result, 1.0);
}

void TestGenerateProblem::unreadableTemplate_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("empty file") << "empty";
}

void TestGenerateProblem::unreadableTemplate() {
    QFETCH(QString, kind);
    TempAppFolder app;
    writeLists(app);
    QString path = app.path() + "/Problemas/grupo/7.txt";
    if (kind == "folder")
        app.mkdir("Problemas/grupo/7.txt");
    else if (kind == "empty")
        app.write("Problemas/grupo/7.txt", "");
    // A problem before, so that every piece has something to lose.
    Generation g({Luis(), N1(7), N2(4)});
    g.run(writeTemplate(app, {Example, "TEXTO", "", "a "}));
    g.state.Result = 5;
    g.run(path);
    QCOMPARE(g.view.statementText, QString());
    QCOMPARE(g.view.statementLine, QString());
    QVERIFY(g.view.words.isEmpty());
    QVERIFY(g.view.tokens.isEmpty());
    QVERIFY(!g.view.tokensVisible);
    QVERIFY(g.view.answerVisible);
    QCOMPARE(g.state.Result, 0.0);
    QCOMPARE(g.state.WordValue[0], QString());
}

void TestGenerateProblem::oneLineTemplate() {
    TempAppFolder app;
    writeLists(app);
    Generation g({Ana()});
    g.state.Result = 3;
    g.run(writeTemplate(app, {"Hola NOMBRE"}));
    QCOMPARE(g.view.statementText, "Hola Ana ");
    QCOMPARE(g.state.Result, 0.0);
    QCOMPARE(g.view.tokens, QStringList{""});
    QVERIFY(g.view.answerVisible);
}

void TestGenerateProblem::everyCallStartsAfresh() {
    TempAppFolder app;
    writeLists(app);
    Generation g({N1(5), N2(5)});
    g.run(writeTemplate(app, {"a b c d e NUMERO1 NUMERO2", "NUMERO1 + NUMERO2 + 1 + 1"}));
    QCOMPARE(g.state.Number[3], 1.0);
    QCOMPARE(g.state.WordValue[6], "5");
    g.run(writeTemplate(app, {"NUMERO1", "NUMERO1"}));
    QCOMPARE(g.state.WordValue[6], QString());
    QCOMPARE(g.state.Number[1], 0.0);
    QCOMPARE(g.state.Number[3], 0.0);
    QCOMPARE(g.view.words, QStringList{"NUMERO1"});
}

void TestGenerateProblem::utf8TemplateReadsLikeWindows1252() {
    TempAppFolder app;
    writeLists(app);
    const QString path = app.write("Problemas/grupo/1.txt", "\xC2\xBF"
                                                            "Cu\xC3\xA1ntos NOMBRE ?\nNUMERO1\n");
    Generation g({Luis()});
    g.run(path);
    QCOMPARE(g.view.statementText, QStringLiteral("¿Cuántos Luis ? "));
}

void TestGenerateProblem::randomGenerator() {
    // Never 1 (which would pick a line past the end), spread over [0, 1), repeatable by seed.
    RandomGenerator a(1);
    RandomGenerator b(1);
    double sum = 0;
    float highest = 0;
    constexpr int draws = 200000;
    for (int i = 0; i < draws; ++i) {
        const float u = a.Next();
        QVERIFY(u >= 0.0f && u < 1.0f);
        QCOMPARE(b.Next(), u);
        sum += u;
        highest = std::max(highest, u);
    }
    QVERIFY(std::abs(sum / draws - 0.5) < 0.01);
    QVERIFY(highest > 0.999f);

    RandomGenerator clock;
    clock.SeedFromClock();
    RandomGenerator unseeded;
    QVERIFY(clock.Next() != unseeded.Next() || clock.Next() != unseeded.Next());
}

QTEST_GUILESS_MAIN(TestGenerateProblem)
#include "tst_generateproblem.moc"
