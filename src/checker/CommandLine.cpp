// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/CommandLine.h"

namespace {

// The number after an option, within bounds; false when it is missing or not such a number.
bool takeNumber(const QStringList& arguments, qsizetype& i, int low, int high, int& value, QString& error) {
    const QString option = arguments[i];
    if (i + 1 >= arguments.size()) {
        error = QStringLiteral("falta el número después de %1").arg(option);
        return false;
    }
    bool ok = false;
    const int number = arguments[++i].toInt(&ok);
    if (!ok || number < low || number > high) {
        error = QStringLiteral("%1 necesita un número entre %2 y %3, no «%4»")
                    .arg(option)
                    .arg(low)
                    .arg(high)
                    .arg(arguments[i]);
        return false;
    }
    value = number;
    return true;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine command;
    for (qsizetype i = 0; i < arguments.size() && command.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--ayuda" || argument == u"--help" || argument == u"-h") {
            command.help = true;
        } else if (argument == u"--version") {
            command.version = true;
        } else if (argument == u"--todo") {
            command.everything = true;
        } else if (argument == u"--grupo") {
            if (i + 1 >= arguments.size() || arguments[i + 1].trimmed().isEmpty())
                command.error = QStringLiteral("falta el nombre del grupo después de --grupo");
            else
                command.group = arguments[++i].trimmed();
        } else if (argument == u"--json") {
            command.json = true;
        } else if (argument == u"--abrir") {
            command.open = true;
        } else if (argument == u"--html") {
            if (i + 1 >= arguments.size())
                command.error = QStringLiteral("falta el nombre del fichero después de --html");
            else
                command.htmlFile = arguments[++i];
        } else if (argument == u"--muestras") {
            takeNumber(arguments, i, 0, 1000, command.check.samples, command.error);
        } else if (argument == u"--sorteos") {
            takeNumber(arguments, i, 1, 1000000, command.check.draws, command.error);
        } else if (argument.startsWith(u'-') && argument.size() > 1) {
            command.error = QStringLiteral("opción desconocida: %1").arg(argument);
        } else if (!command.folder.isEmpty()) {
            command.error = QStringLiteral("solo se revisa una carpeta; sobra «%1»").arg(argument);
        } else {
            command.folder = argument;
        }
    }
    return command;
}

QString HelpText() {
    return QStringLiteral(
        "Uso: kotira-revisar [opciones] [CARPETA]\n"
        "\n"
        "Revisa el contenido de KOTIRA (grupos de problemas, listas de datos, fichero de idioma,\n"
        "sonidos y animaciones) tal como lo lee el programa, y explica cada fallo: el fichero, la\n"
        "línea, la palabra, qué hará el programa y cómo arreglarlo. Empieza por el resumen y lo que\n"
        "está mal; debajo de cada plantilla con fallos muestra problemas de ejemplo hechos por el\n"
        "mismo generador que usa KOTIRA.\n"
        "\n"
        "CARPETA es la carpeta de la aplicación (la que tiene Problemas, datos, configuracion...).\n"
        "Sin ella se revisa la carpeta donde está este programa. Si CARPETA es la carpeta de un\n"
        "grupo, se revisa solo ese grupo; si es una carpeta Problemas, todos los grupos.\n"
        "\n"
        "Opciones:\n"
        "  --grupo NOMBRE  revisa solo ese grupo y las listas que usa (basta el principio\n"
        "                  del nombre si ningún otro grupo empieza igual)\n"
        "  --todo          enseña también los grupos y las plantillas sin fallos\n"
        "  --muestras N    problemas de ejemplo por plantilla (3 si no se indica)\n"
        "  --sorteos N     sorteos por plantilla numérica para estimar los resultados (1000)\n"
        "  --json          escribe el informe en JSON, para otros programas\n"
        "  --html FICHERO  escribe además el informe como página web en FICHERO\n"
        "  --abrir         guarda el informe como página web y la abre en el navegador\n"
        "  --version       dice la versión del programa\n"
        "  --ayuda, --help muestra esta ayuda\n"
        "\n"
        "ERROR: el alumno verá algo mal o nunca podrá acertar. AVISO: probablemente no es lo que\n"
        "quería quien escribió el contenido.\n"
        "\n"
        "Estado de salida: 0 si no hay ningún ERROR, 1 si hay alguno, 2 si los argumentos no\n"
        "sirven (opción desconocida, falta un valor, la carpeta o el grupo no existe).\n");
}
