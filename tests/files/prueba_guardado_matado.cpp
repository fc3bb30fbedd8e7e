// A save in place (the folder takes no new file) killed with SIGKILL at any
// moment: a real process saves over and over and is killed after a random
// wait, again and again; the file always holds the old record or a new one,
// whole.
#include "apoyo/apoyo.h"

#include "common/error.h"
#include "files/archivo_quiniela.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const char* const orden_de_guardar = "--guarda-sin-fin";
constexpr int tamano = 1248;

QByteArray registro(char semilla)
{
    QByteArray bytes(tamano, '\0');
    for (int i = 0; i < tamano; ++i)
        bytes[i] = static_cast<char>(semilla + i * 7);
    return bytes;
}

// Root writes anywhere; without these the process is held to the folder's
// permissions as any other user is.
void como_usuario()
{
    __user_cap_header_struct cabecera {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct datos[2] {};
    syscall(SYS_capget, &cabecera, datos);
    datos[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
    syscall(SYS_capset, &cabecera, datos);
}

// The process that is killed: says when its first save is done, then saves
// two records in turn until it dies.
int guarda_sin_fin(const char* ruta)
{
    como_usuario();
    const QString archivo = QString::fromUtf8(ruta);
    const QByteArray registros[] = {registro('a'), registro('b')};
    try {
        archivo_quiniela::escribe(archivo, registros[0]);
        std::fputs("listo\n", stdout);
        std::fflush(stdout);
        for (unsigned vuelta = 1;; ++vuelta)
            archivo_quiniela::escribe(archivo, registros[vuelta % 2]);
    } catch (const Error_tolvera& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

ino_t inodo(const QString& ruta)
{
    struct stat datos {};
    return ::stat(QFile::encodeName(ruta).constData(), &datos) == 0 ? datos.st_ino : 0;
}

// What a kill may leave: the old file as it was, or a new record whole; past
// it, before the old file's tail is cut off, only blanks up to the old size.
QString que_quedo(const QByteArray& bytes, const QByteArray& anterior)
{
    if (bytes == anterior)
        return QStringLiteral("anterior");
    const QByteArray cola = bytes.mid(tamano);
    if ((bytes.left(tamano) == registro('a') || bytes.left(tamano) == registro('b'))
        && bytes.size() <= std::max<qsizetype>(tamano, anterior.size())
        && cola.count('\0') == cola.size())
        return cola.isEmpty() ? QStringLiteral("nuevo") : QStringLiteral("nuevo, cola en blanco");
    return QStringLiteral("roto, %1 bytes").arg(bytes.size());
}

}  // namespace

class Prueba_guardado_matado : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void un_guardado_en_su_sitio_matado_deja_un_registro_entero_data()
    {
        QTest::addColumn<QByteArray>("anterior");
        QTest::newRow("del mismo tamaño") << QByteArray(tamano, 'o');
        QTest::newRow("más largo") << QByteArray(3000, 'o');
        QTest::newRow("más corto") << QByteArray(1000, 'o');
    }

    void un_guardado_en_su_sitio_matado_deja_un_registro_entero()
    {
        QFETCH(QByteArray, anterior);
        constexpr int muertes = 100;
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        QMap<QString, int> quedaron;
        for (int muerte = 0; muerte < muertes; ++muerte) {
            QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QFile viejo(ruta);
            QVERIFY(viejo.open(QIODevice::WriteOnly | QIODevice::Truncate) && viejo.write(anterior) == anterior.size());
            viejo.close();
            const ino_t en_su_sitio = inodo(ruta);
            QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::ExeOwner));

            QProcess guardador;
            guardador.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            guardador.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(orden_de_guardar), ruta});
            QVERIFY(guardador.waitForReadyRead(10000));
            QCOMPARE(guardador.readLine(), QByteArray("listo\n"));
            ::usleep(QRandomGenerator::global()->bounded(3000));
            QCOMPARE(::kill(guardador.processId(), SIGKILL), 0);
            QVERIFY(guardador.waitForFinished(10000));
            QCOMPARE(guardador.exitStatus(), QProcess::CrashExit);
            QCOMPARE(inodo(ruta), en_su_sitio);
            ++quedaron[que_quedo(contenido(ruta), anterior)];
        }
        QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QStringList resumen;
        for (auto i = quedaron.cbegin(); i != quedaron.cend(); ++i)
            resumen.append(QStringLiteral("%1: %2").arg(i.key()).arg(i.value()));
        qInfo("%s", qPrintable(resumen.join(QStringLiteral(", "))));
        for (const QString& que : quedaron.keys())
            QVERIFY2(que.startsWith(u"anterior") || que.startsWith(u"nuevo"), qPrintable(resumen.join(u", ")));
        // The kills landed while saving, not only before the first one.
        QVERIFY(quedaron.value(QStringLiteral("nuevo")) > 0);
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], orden_de_guardar) == 0)
        return guarda_sin_fin(argv[2]);
    QCoreApplication aplicacion(argc, argv);
    Prueba_guardado_matado prueba;
    return QTest::qExec(&prueba, argc, argv);
}

#include "prueba_guardado_matado.moc"
