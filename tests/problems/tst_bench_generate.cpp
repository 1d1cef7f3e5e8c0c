// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolder.h"
#include "problems/ExerciseState.h"
#include "problems/GenerateProblem.h"
#include "problems/RandomSource.h"
#include "support/FakeProblemView.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace {

QStringList numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

// A group like the ones teachers write: about three list words per statement, back-references,
// one- and two-step expressions, a choice problem.
void writeContent(const TempAppFolder& app) {
    app.writeLines("datos/NOMBRE.txt", {"Ana", "Luis", "Marta", "Pablo", "Lucía", "Jorge", "Sara", "Hugo",
                                        "Elena", "Mario", "Paula", "Diego"});
    app.writeLines("datos/OBJETO.txt", {"cromos", "lápices", "canicas", "cuentos", "globos", "caramelos"});
    app.writeLines("datos/LUGAR.txt", {"el parque", "el colegio", "la playa", "el mercado", "la biblioteca"});
    app.writeLines("datos/NUMERO1.txt", numbers(10, 60));
    app.writeLines("datos/NUMERO2.txt", numbers(2, 9));
    app.writeLines("datos/NUMEROMAYOR.txt", numbers(50, 99));
    app.writeLines("datos/NUMEROMENOR.txt", numbers(1, 40));
    const QString group = "Problemas/1 Mezcla/";
    app.writeLines(group + "1.txt", {QStringLiteral("NOMBRE tiene NUMERO1 OBJETO y gana NUMERO2 . ¿Cuántos "
                                                    "=OBJETO tiene =NOMBRE ahora?"),
                                     "NUMERO1 + NUMERO2"});
    app.writeLines(group + "2.txt",
                   {QStringLiteral("En LUGAR había NUMEROMAYOR niños y se fueron NUMEROMENOR . "
                                   "¿Cuántos niños quedan en =LUGAR ?"),
                    "NUMEROMAYOR - NUMEROMENOR"});
    app.writeLines(group + "3.txt", {QStringLiteral("NOMBRE compra NUMERO2 cajas de NUMERO1 OBJETO cada una. "
                                                    "¿Cuántos =OBJETO compra?"),
                                     "NUMERO2 * NUMERO1"});
    app.writeLines(group + "4.txt", {QStringLiteral("NOMBRE tiene NUMEROMAYOR euros, gasta NUMEROMENOR en "
                                                    "LUGAR y le dan NUMERO2 . ¿Cuánto tiene =NOMBRE ?"),
                                     "NUMEROMAYOR - NUMEROMENOR + NUMERO2"});
    app.writeLines(group + "5.txt", {QStringLiteral("NOMBRE reparte NUMERO1 OBJETO entre 2 amigos. ¿Cuántos "
                                                    "le tocan a cada uno?"),
                                     "NUMERO1 / 2"});
    app.writeLines(group + "6.txt",
                   {QStringLiteral("NOMBRE tiene NUMERO1 OBJETO y le dan NUMERO2 más. ¿Qué "
                                   "operación lo resuelve?"),
                    "TEXTO", "", "Una suma ", "Una resta", QStringLiteral("Una multiplicación")});
}

QStringList templatesIn(const QString& folder) {
    QStringList templates;
    QDirIterator it(folder, {"*.txt", "*.TXT"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        templates << it.next();
    templates.sort();
    return templates;
}

// Runs the templates in turn in batches; prints problems per second and the median time of one
// problem over the batches.
void measure(const char* what, const QStringList& templates) {
    ExerciseState state;
    FakeProblemView view;
    RandomGenerator random(2024);
    for (const QString& path : templates) // warm the caches
        GenerateProblem(path, state, view, random);

    constexpr int batches = 25;
    constexpr int perBatch = 400;
    std::vector<double> perProblem;
    qint64 total = 0;
    qsizetype next = 0;
    for (int batch = 0; batch < batches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < perBatch; ++i)
            GenerateProblem(templates[next++ % templates.size()], state, view, random);
        const qint64 elapsed = timer.nsecsElapsed();
        total += elapsed;
        perProblem.push_back(double(elapsed) / perBatch);
    }
    std::sort(perProblem.begin(), perProblem.end());
    const double median = perProblem[perProblem.size() / 2];
    qInfo("%s: %lld templates, %.0f problems/s, median %.2f us per problem", what,
          static_cast<long long>(templates.size()), batches * perBatch * 1e9 / double(total), median / 1000);
    QVERIFY(!view.statementText.isEmpty());
}

} // namespace

class BenchGenerateProblem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { app_.reset(); }
    void sampleGroupRate();
    void sampleGroup();
    void shippedContentRate();

private:
    std::unique_ptr<TempAppFolder> app_;
    QStringList templates_;
};

void BenchGenerateProblem::initTestCase() {
    app_ = std::make_unique<TempAppFolder>();
    writeContent(*app_);
    templates_ = templatesIn(app_->path() + "/Problemas");
    QCOMPARE(templates_.size(), 6);
    // Files changed a moment ago are read again at every use until their time stamps can be
    // trusted; let them settle, as content on disk has long since.
    QThread::msleep(100);
}

void BenchGenerateProblem::sampleGroupRate() {
    measure("sample group", templates_);
}

void BenchGenerateProblem::sampleGroup() {
    ExerciseState state;
    FakeProblemView view;
    RandomGenerator random(7);
    qsizetype next = 0;
    QBENCHMARK {
        GenerateProblem(templates_[next++ % templates_.size()], state, view, random);
    }
    QVERIFY(state.Result > -1);
}

void BenchGenerateProblem::shippedContentRate() {
    const QString content = QString::fromUtf8(KOTIRA_SOURCE_DIR "/content");
    const QStringList templates = templatesIn(content + "/Problemas");
    if (templates.isEmpty())
        QSKIP("no shipped templates");
    SetAppFolder(content);
    measure("shipped content", templates);
    SetAppFolder(app_->path());
}

QTEST_GUILESS_MAIN(BenchGenerateProblem)
#include "tst_bench_generate.moc"
