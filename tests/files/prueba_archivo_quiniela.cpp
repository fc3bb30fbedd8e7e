// Bet files on disk: the extension rule, the I/O layer's texts, a failed save
// that leaves the old file whole, and loading files that cannot be written.
#include "apoyo/apoyo.h"
#include "common/error.h"
#include "files/archivo_quiniela.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

QString error_de(const std::function<void()>& operacion)
{
    try {
        operacion();
    } catch (const Error_tolvera& error) {
        return error.texto();
    }
    return {};
}

// Files may grow to `limite` bytes only, while the operation runs; writing
// past it then fails as a full disk would.
QString error_con_limite(rlim_t limite, const std::function<void()>& operacion)
{
    rlimit antes {};
    getrlimit(RLIMIT_FSIZE, &antes);
    const auto senal_antes = std::signal(SIGXFSZ, SIG_IGN);
    rlimit corto = antes;
    corto.rlim_cur = limite;
    setrlimit(RLIMIT_FSIZE, &corto);
    const QString texto = error_de(operacion);
    setrlimit(RLIMIT_FSIZE, &antes);
    std::signal(SIGXFSZ, senal_antes);
    return texto;
}

}  // namespace

class Prueba_archivo_quiniela : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void extension_qui()
    {
        using archivo_quiniela::con_extension;
        QCOMPARE(con_extension(QStringLiteral("/q/jornada7")), QStringLiteral("/q/jornada7.qui"));
        QCOMPARE(con_extension(QStringLiteral("/q/jornada7.qui")), QStringLiteral("/q/jornada7.qui"));
        QCOMPARE(con_extension(QStringLiteral("/q/jornada7.QUI")), QStringLiteral("/q/jornada7.QUI.qui"));
        QCOMPARE(con_extension(QStringLiteral("/q/jornada7.qui.bak")), QStringLiteral("/q/jornada7.qui.bak.qui"));
        QCOMPARE(con_extension(QStringLiteral("/q.qui/jornada7")), QStringLiteral("/q.qui/jornada7.qui"));
        QCOMPARE(con_extension(QStringLiteral("/q/.qui")), QStringLiteral("/q/.qui"));
    }

    void textos_de_la_capa_de_entrada_y_salida()
    {
        using archivo_quiniela::texto_de_error;
        QCOMPARE(texto_de_error(ENOENT), QStringLiteral("File not found"));
        QCOMPARE(texto_de_error(ENOTDIR), QStringLiteral("Invalid filename"));
        QCOMPARE(texto_de_error(EMFILE), QStringLiteral("Too many open files"));
        QCOMPARE(texto_de_error(EACCES), QStringLiteral("File access denied"));
        QCOMPARE(texto_de_error(ENOSPC), QStringLiteral("Disk full"));
        QCOMPARE(texto_de_error(EIO), QStringLiteral("I/O error 5"));
    }

    void escribe_y_lee_el_registro()
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        QByteArray registro(1248, '\0');
        for (int i = 0; i < registro.size(); ++i)
            registro[i] = static_cast<char>(i * 7);
        archivo_quiniela::escribe(ruta, registro);
        QCOMPARE(contenido(ruta), registro);
        QCOMPARE(archivo_quiniela::lee(ruta, 1248), registro);

        QVERIFY(escribe_bytes(ruta, registro + "sobra"));
        QCOMPARE(archivo_quiniela::lee(ruta, 1248), registro);
    }

    void errores_al_leer()
    {
        QTemporaryDir carpeta;
        const QString corto = carpeta.filePath(QStringLiteral("corto.qui"));
        QVERIFY(escribe_bytes(corto, QByteArray(1247, '\0')));
        QCOMPARE(error_de([&] { archivo_quiniela::lee(corto, 1248); }), QStringLiteral("Read beyond end of file"));
        QCOMPARE(error_de([&] { archivo_quiniela::lee(carpeta.filePath(QStringLiteral("no.qui")), 1248); }),
                 QStringLiteral("File not found"));
        QCOMPARE(error_de([&] { archivo_quiniela::lee(carpeta.filePath(QStringLiteral("no/hay.qui")), 1248); }),
                 QStringLiteral("Invalid filename"));
        QCOMPARE(error_de([&] { archivo_quiniela::lee(carpeta.path(), 1248); }), QStringLiteral("File access denied"));
    }

    void errores_al_escribir()
    {
        QTemporaryDir carpeta;
        const QByteArray registro(1248, 'r');
        QCOMPARE(error_de([&] { archivo_quiniela::escribe(carpeta.filePath(QStringLiteral("no/hay.qui")), registro); }),
                 QStringLiteral("Invalid filename"));
        QCOMPARE(error_de([&] { archivo_quiniela::escribe(carpeta.path(), registro); }),
                 QStringLiteral("File access denied"));
    }

    void un_guardado_fallido_deja_entero_el_archivo_anterior()
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        const QByteArray anterior(1248, 'a');
        QVERIFY(escribe_bytes(ruta, anterior));
        const QString error = error_con_limite(100, [&] { archivo_quiniela::escribe(ruta, QByteArray(1248, 'n')); });
        QCOMPARE(error, QStringLiteral("Disk full"));
        QCOMPARE(contenido(ruta), anterior);
        QCOMPARE(QDir(carpeta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("jornada.qui")});
    }

    void se_lee_un_archivo_protegido_contra_escritura()
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("protegido.qui"));
        QVERIFY(escribe_bytes(ruta, QByteArray(1248, 'p')));
        QVERIFY(QFile::setPermissions(ruta, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QCOMPARE(archivo_quiniela::lee(ruta, 1248), QByteArray(1248, 'p'));

        // Not even the superuser may open a running program for writing.
        const QString programa = QCoreApplication::applicationFilePath();
        QCOMPARE(archivo_quiniela::lee(programa, 1248), contenido(programa).left(1248));
    }
};

QTEST_GUILESS_MAIN(Prueba_archivo_quiniela)
#include "prueba_archivo_quiniela.moc"
