// The team list files: lines, code pages, where they are found, and a list
// that is missing.
#include "apoyo/apoyo.h"
#include "matches/archivo_equipos.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "matches/ubica_equipos.h"
#include "widgets/mensajes.h"

#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList textos(std::initializer_list<const char*> lineas)
{
    QStringList resultado;
    for (const char* linea : lineas)
        resultado.append(QString::fromUtf8(linea));
    return resultado;
}

// The environment variables given, for as long as this lives; a null value
// unsets one.
class Entorno {
public:
    explicit Entorno(const std::map<QByteArray, QByteArray>& valores)
    {
        for (const auto& [nombre, valor] : valores) {
            antes_[nombre] = qgetenv(nombre.constData());
            pon(nombre, valor);
        }
    }
    ~Entorno()
    {
        for (const auto& [nombre, valor] : antes_)
            pon(nombre, valor);
    }
    Entorno(const Entorno&) = delete;
    Entorno& operator=(const Entorno&) = delete;

private:
    static void pon(const QByteArray& nombre, const QByteArray& valor)
    {
        if (valor.isNull())
            qunsetenv(nombre.constData());
        else
            qputenv(nombre.constData(), valor);
    }

    std::map<QByteArray, QByteArray> antes_;
};

}  // namespace

class Prueba_listas_equipos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void una_entrada_por_linea()
    {
        using archivo_equipos::lineas;
        QCOMPARE(lineas(QStringLiteral("A\r\nB\nC\rD")), textos({"A", "B", "C", "D"}));
        QCOMPARE(lineas(QStringLiteral("A\r\n")), textos({"A"}));
        QCOMPARE(lineas(QStringLiteral("A\n\nB\r\n\r\n")), textos({"A", "", "B", ""}));
        QCOMPARE(lineas(QStringLiteral("A\r\r\nB")), textos({"A", "", "B"}));
        QCOMPARE(lineas(QStringLiteral("\n")), textos({""}));
        QCOMPARE(lineas(QStringLiteral("  R. Madrid \t")), textos({"  R. Madrid \t"}));
        QCOMPARE(lineas(QString()), QStringList());
    }

    void windows_1252_o_utf_8()
    {
        using archivo_equipos::descodifica;
        QCOMPARE(descodifica(QByteArray("Alav\xe9s\r\nC\xe1" "diz")), QStringLiteral("Alavés\r\nCádiz"));
        QCOMPARE(descodifica(QByteArray("Alav\xc3\xa9s")), QStringLiteral("Alavés"));
        QCOMPARE(descodifica(QByteArray("\xef\xbb\xbf" "Legan\xc3\xa9s")), QStringLiteral("Leganés"));
        QCOMPARE(descodifica(QByteArray("\x80 Eibar")), QStringLiteral("€ Eibar"));
        // Valid UTF-8 start, then a lone Windows-1252 letter: the whole file is 1252.
        QCOMPARE(descodifica(QByteArray("Alav\xc3\xa9s\nC\xe1" "diz")), QStringLiteral("AlavÃ©s\nCádiz"));
    }

    void las_dos_listas_se_cargan_en_orden()
    {
        Carpeta_equipos carpeta(QByteArray("Alav\xe9s\r\n\r\nR. Madrid\r\nR. Madrid\r\n"),
                                QByteArray("Almer\xc3\xad" "a\nC\xc3\xa1" "diz\n"));
        Ventanas_de_prueba ventanas;
        QCOMPARE(entradas(QStringLiteral("equipos_primera")),
                 textos({"Alavés", "", "R. Madrid", "R. Madrid"}));
        QCOMPARE(entradas(QStringLiteral("equipos_segunda")), textos({"Almería", "Cádiz"}));
        QVERIFY(Mensajes::errores_capturados().isEmpty());
    }

    void sin_primera_no_se_lee_ninguna()
    {
        Carpeta_equipos carpeta(QByteArray(), Carpeta_equipos::segunda_de_prueba());
        Ventanas_de_prueba ventanas;
        QCOMPARE(Mensajes::errores_capturados(), textos({"Cannot open file primera.txt."}));
        QVERIFY(entradas(QStringLiteral("equipos_primera")).isEmpty());
        QVERIFY(entradas(QStringLiteral("equipos_segunda")).isEmpty());
        QVERIFY(ventana_partidos);
    }

    // The working directory first, then the first data folder that holds the
    // list; found nowhere, the bare name, which the error report then shows.
    void la_carpeta_de_trabajo_antes_que_las_de_datos()
    {
        Carpeta_equipos carpeta(QByteArray("Betis\n"), QByteArray());
        QTemporaryDir datos;
        const QString vacia = datos.filePath(QStringLiteral("vacia"));
        const QString llena = datos.filePath(QStringLiteral("llena"));
        QVERIFY(QDir().mkpath(vacia) && QDir().mkpath(llena));
        QVERIFY(escribe_bytes(QDir(llena).filePath(QStringLiteral("primera.txt")), "Celta\n"));
        QVERIFY(escribe_bytes(QDir(llena).filePath(QStringLiteral("segunda.txt")), "Eibar\n"));

        const QStringList carpetas{vacia, llena};
        QCOMPARE(ubica_equipos::ruta(QStringLiteral("primera.txt"), carpetas), QStringLiteral("primera.txt"));
        QCOMPARE(ubica_equipos::ruta(QStringLiteral("segunda.txt"), carpetas),
                 QDir(llena).filePath(QStringLiteral("segunda.txt")));
        QCOMPARE(ubica_equipos::ruta(QStringLiteral("segunda.txt"), {vacia}), QStringLiteral("segunda.txt"));

        // Beside the program first, then the user's XDG data folder.
        const QByteArray xdg_anterior = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", datos.path().toLocal8Bit());
        QVERIFY(QFile::rename(llena, datos.filePath(QStringLiteral("tolvera"))));
        const QStringList halladas = ubica_equipos::carpetas_de_datos();
        QCOMPARE(halladas.value(0),
                 QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tolvera")));
        QCOMPARE(halladas.value(1), datos.filePath(QStringLiteral("tolvera")));
        {
            Ventanas_de_prueba ventanas;
            QVERIFY(Mensajes::errores_capturados().isEmpty());
            QCOMPARE(entradas(QStringLiteral("equipos_primera")), textos({"Betis"}));
            QCOMPARE(entradas(QStringLiteral("equipos_segunda")), textos({"Eibar"}));
        }
        if (xdg_anterior.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg_anterior);
    }

    // Lists installed under a home or data folder whose name is not UTF-8
    // (a Latin-1 "ñ") are found and read.
    void carpetas_de_datos_que_no_son_utf_8_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("bajo");  // where the tolvera/ folder goes, under the one the variable names
        QTest::newRow("HOME") << QByteArray("HOME") << QByteArray("/.local/share");
        QTest::newRow("XDG_DATA_HOME") << QByteArray("XDG_DATA_HOME") << QByteArray();
        QTest::newRow("XDG_DATA_DIRS") << QByteArray("XDG_DATA_DIRS") << QByteArray();
    }

    void carpetas_de_datos_que_no_son_utf_8()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, bajo);
        Carpeta_equipos carpeta {QByteArray(), QByteArray()};
        QTemporaryDir temporal;
        const QByteArray raiz = QFile::encodeName(temporal.path());
        const QByteArray casa = raiz + "/espa\xf1ola";
        const QByteArray tolvera = casa + bajo + "/tolvera";
        QList<QByteArray> carpetas;  // made one by one, as Qt cannot make them by these names
        for (qsizetype barra = tolvera.indexOf('/', raiz.size() + 1);; barra = tolvera.indexOf('/', barra + 1)) {
            carpetas.append(barra < 0 ? tolvera : tolvera.left(barra));
            if (barra < 0)
                break;
        }
        for (const QByteArray& una : carpetas)
            QCOMPARE(::mkdir(una.constData(), 0755), 0);
        for (const auto& [lista, equipo] :
             {std::pair{"/primera.txt", "Celta\n"}, std::pair{"/segunda.txt", "Eibar\n"}}) {
            const int descriptor = ::open((tolvera + lista).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(descriptor >= 0);
            QCOMPARE(::write(descriptor, equipo, std::strlen(equipo)), ssize_t(std::strlen(equipo)));
            ::close(descriptor);
        }
        std::map<QByteArray, QByteArray> valores{{"XDG_DATA_HOME", QByteArray()}, {"XDG_DATA_DIRS", "/nada"}};
        valores[variable] = casa;
        {
            const Entorno entorno(valores);
            Ventanas_de_prueba ventanas;
            QVERIFY(Mensajes::errores_capturados().isEmpty());
            QCOMPARE(entradas(QStringLiteral("equipos_primera")), textos({"Celta"}));
            QCOMPARE(entradas(QStringLiteral("equipos_segunda")), textos({"Eibar"}));
        }
        for (const char* lista : {"/primera.txt", "/segunda.txt"})
            QCOMPARE(::unlink((tolvera + lista).constData()), 0);
        for (auto una = carpetas.crbegin(); una != carpetas.crend(); ++una)
            QCOMPARE(::rmdir(una->constData()), 0);
    }

    void sin_segunda_solo_falta_la_segunda()
    {
        Carpeta_equipos carpeta(Carpeta_equipos::primera_de_prueba(), QByteArray());
        Ventanas_de_prueba ventanas;
        QCOMPARE(Mensajes::errores_capturados(), textos({"Cannot open file segunda.txt."}));
        QCOMPARE(entradas(QStringLiteral("equipos_primera")).size(), 16);
        QVERIFY(entradas(QStringLiteral("equipos_segunda")).isEmpty());
    }
};

QTEST_MAIN(Prueba_listas_equipos)
#include "prueba_listas_equipos.moc"
