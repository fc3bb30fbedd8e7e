// What a careful user's machine can put under a name the program reads or
// writes (FIFOs, devices, links to them, huge lists, folders that take no
// new file), and failures that must neither end the program nor pass for
// success.
#include "apoyo/apoyo.h"
#include "common/error.h"
#include "matches/carpeta_equipos.h"
#include "matches/partidos.h"
#include "printing/impresora.h"
#include "slip/ventana.h"
#include "widgets/mensajes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <linux/capability.h>
#include <new>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Root writes anywhere. While this lives, the test's thread (capabilities
// are per thread) is held to the permissions of files and folders as any
// other user is.
class Como_usuario {
public:
    Como_usuario()
    {
        syscall(SYS_capget, &cabecera_, antes_);
        __user_cap_data_struct sin[2] = {antes_[0], antes_[1]};
        sin[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
        syscall(SYS_capset, &cabecera_, sin);
    }
    ~Como_usuario() { syscall(SYS_capset, &cabecera_, antes_); }
    Como_usuario(const Como_usuario&) = delete;
    Como_usuario& operator=(const Como_usuario&) = delete;

private:
    __user_cap_header_struct cabecera_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct antes_[2] {};
};

// What stands under a name, the name itself and not what a link leads to.
QString clase(const QString& ruta)
{
    struct stat datos {};
    if (::lstat(QFile::encodeName(ruta).constData(), &datos) != 0)
        return QStringLiteral("nada");
    if (S_ISLNK(datos.st_mode))
        return QStringLiteral("enlace a ") + clase(QFile::symLinkTarget(ruta));
    if (S_ISFIFO(datos.st_mode))
        return QStringLiteral("fifo");
    if (S_ISCHR(datos.st_mode))
        return QStringLiteral("dispositivo");
    if (S_ISDIR(datos.st_mode))
        return QStringLiteral("carpeta");
    return QStringLiteral("archivo de %1 bytes").arg(datos.st_size);
}

// Puts under `ruta` what `que` names instead of a file: "fifo", "cero" (a
// link to /dev/zero), "carpeta", "enlace a fifo" or "enlace a archivo" (the
// FIFO or file beside it under the name with "_destino" added). "archivo"
// leaves the file there.
void crea(const QString& ruta, const QString& que)
{
    if (que == u"archivo")
        return;
    const QString destino = ruta + QStringLiteral("_destino");
    QFile::remove(ruta);
    if (que == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(ruta).constData(), 0666), 0);
    else if (que == u"cero")
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), ruta));
    else if (que == u"carpeta")
        QVERIFY(QDir().mkdir(ruta));
    else if (que == u"enlace a fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(destino).constData(), 0666), 0);
    else if (que == u"enlace a archivo")
        escribe_bytes(destino, QByteArray(2000, 'a'));
    if (que.startsWith(u"enlace"))
        QVERIFY(QFile::link(destino, ruta));
}

QStringList nombres_en(const QTemporaryDir& carpeta)
{
    return QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

QLineEdit* fecha()
{
    return widget_de<QLineEdit>(ventana, QStringLiteral("fecha"));
}

// Files may grow to `limite` bytes only while this lives; writing past it
// then fails as on a full disk.
class Limite_de_archivo {
public:
    explicit Limite_de_archivo(rlim_t limite)
        : senal_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &antes_);
        rlimit corto = antes_;
        corto.rlim_cur = limite;
        setrlimit(RLIMIT_FSIZE, &corto);
    }
    ~Limite_de_archivo()
    {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }
    Limite_de_archivo(const Limite_de_archivo&) = delete;
    Limite_de_archivo& operator=(const Limite_de_archivo&) = delete;

private:
    rlimit antes_ {};
    void (*senal_)(int);
};

// A list just past one of the limits, or right on it: lines of `caracteres`
// letters up to `bytes` bytes in all.
QByteArray lista_de(qsizetype bytes, qsizetype caracteres)
{
    QByteArray linea(caracteres, 'A');
    linea += '\n';
    QByteArray lista;
    while (lista.size() < bytes)
        lista += linea;
    lista.truncate(bytes);
    return lista;
}

}  // namespace

class Prueba_entradas_hostiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ninguna_excepcion_sale_de_un_manejador()
    {
        Mensajes::captura();
        Mensajes::protege([] { throw std::bad_alloc(); });
        Mensajes::protege([] { throw std::out_of_range("fuera de rango"); });
        Mensajes::protege([] { throw Error_tolvera(QStringLiteral("Disk full")); });
        QCOMPARE(Mensajes::errores_capturados(), (QStringList{QStringLiteral("Out of memory."),
                                                              QStringLiteral("fuera de rango."),
                                                              QStringLiteral("Disk full.")}));
    }

    // The program starts whatever stands under the lists' names; a list it
    // refuses stops the loading there, as a missing one does.
    void listas_que_no_son_listas_data()
    {
        QTest::addColumn<QString>("primera");  // what stands there, or its contents
        QTest::addColumn<QString>("segunda");
        QTest::addColumn<QByteArray>("bytes_primera");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("en_primera");
        QTest::addColumn<int>("en_segunda");
        const QString archivo = QStringLiteral("archivo");
        const QByteArray normal = Carpeta_equipos::primera_de_prueba();
        const qint64 mib = 1024 * 1024;
        QTest::newRow("primera es una fifo") << "fifo" << archivo << normal
                                             << "Cannot open file primera.txt." << 0 << 0;
        QTest::newRow("segunda lleva a /dev/zero") << archivo << "cero" << normal
                                                   << "Cannot open file segunda.txt." << 16 << 0;
        QTest::newRow("primera es una carpeta") << "carpeta" << archivo << normal
                                                << "Cannot open file primera.txt." << 0 << 0;
        QTest::newRow("1 MiB justo") << archivo << archivo << lista_de(mib, 1000) << "" << 1048 << 11;
        QTest::newRow("1 MiB y un byte") << archivo << archivo << lista_de(mib + 1, 1000)
                                         << "La lista de equipos primera.txt pasa de 1 MiB." << 0 << 0;
        QTest::newRow("linea de 1000") << archivo << archivo << lista_de(3003, 1000) << "" << 3 << 11;
        QTest::newRow("linea de 1001") << archivo << archivo << lista_de(3006, 1001)
                                       << "La lista de equipos primera.txt tiene una línea de más de 1000 caracteres."
                                       << 0 << 0;
    }

    void listas_que_no_son_listas()
    {
        QFETCH(QString, primera);
        QFETCH(QString, segunda);
        QFETCH(QByteArray, bytes_primera);
        QFETCH(QString, error);
        Carpeta_equipos carpeta(bytes_primera);
        crea(carpeta.ruta(QStringLiteral("primera.txt")), primera);
        crea(carpeta.ruta(QStringLiteral("segunda.txt")), segunda);
        Ventanas_de_prueba ventanas;
        QVERIFY(ventana && ventana_partidos);
        QCOMPARE(Mensajes::errores_capturados(), error.isEmpty() ? QStringList() : QStringList{error});
        QTEST(int(entradas(QStringLiteral("equipos_primera")).size()), "en_primera");
        QTEST(int(entradas(QStringLiteral("equipos_segunda")).size()), "en_segunda");
    }

    // Refused at once, without waiting on a FIFO or reading a device, and
    // nothing on screen changes.
    void recuperar_lo_que_no_es_un_archivo_data()
    {
        QTest::addColumn<QString>("que");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("enlace a una fifo") << "enlace a fifo";
        QTest::newRow("enlace a /dev/zero") << "cero";
        QTest::newRow("carpeta") << "carpeta";
    }

    void recuperar_lo_que_no_es_un_archivo()
    {
        QFETCH(QString, que);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        crea(ruta, que);
        Ventanas_de_prueba ventanas;
        QTest::keyClicks(fecha(), QStringLiteral("14/05/23"));
        recupera(ruta);
        QCOMPARE(Mensajes::errores_capturados(), QStringList{QStringLiteral("File access denied.")});
        QCOMPARE(fecha()->text(), QStringLiteral("14/05/23"));
    }

    // A link to a file is saved through and kept; anything else that is no
    // regular file is refused and left as it was.
    void guardar_sobre_lo_que_no_es_un_archivo_data()
    {
        QTest::addColumn<QString>("que");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("queda");
        QTest::addColumn<QString>("destino");
        QTest::newRow("fifo") << "fifo" << "File access denied." << "fifo" << "nada";
        QTest::newRow("enlace a una fifo") << "enlace a fifo" << "File access denied." << "enlace a fifo" << "fifo";
        QTest::newRow("carpeta") << "carpeta" << "File access denied." << "carpeta" << "nada";
        QTest::newRow("enlace a un archivo") << "enlace a archivo" << "" << "enlace a archivo de 1248 bytes"
                                             << "archivo de 1248 bytes";
    }

    void guardar_sobre_lo_que_no_es_un_archivo()
    {
        QFETCH(QString, que);
        QFETCH(QString, error);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        crea(ruta, que);
        Ventanas_de_prueba ventanas;
        guarda_como(ruta);
        QCOMPARE(Mensajes::errores_capturados(), error.isEmpty() ? QStringList() : QStringList{error});
        QTEST(clase(ruta), "queda");
        QTEST(clase(ruta + QStringLiteral("_destino")), "destino");
        QCOMPARE(nombres_en(carpeta).size(), que.startsWith(u"enlace") ? 2 : 1);
    }

    // Printed into a new file that takes the old one's place only when it
    // holds the whole document; the old file, or a link to it, stays whole
    // otherwise.
    void imprimir_en_un_disco_lleno_data()
    {
        QTest::addColumn<QString>("que");
        QTest::addColumn<int>("limite");  // bytes a file may grow to; -1: no limit
        QTest::addColumn<bool>("impreso");
        QTest::newRow("sin sitio") << "archivo" << 0 << false;
        QTest::newRow("sitio para 4096 bytes") << "archivo" << 4096 << false;
        QTest::newRow("con sitio") << "archivo" << -1 << true;
        QTest::newRow("enlace, sin sitio") << "enlace a archivo" << 4096 << false;
        QTest::newRow("enlace, con sitio") << "enlace a archivo" << -1 << true;
    }

    void imprimir_en_un_disco_lleno()
    {
        QFETCH(QString, que);
        QFETCH(int, limite);
        QFETCH(bool, impreso);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("folio.pdf"));
        const QString archivo = que == u"archivo" ? pdf : pdf + QStringLiteral("_destino");
        crea(pdf, que);
        escribe_bytes(archivo, "ANTERIOR");
        const QStringList nombres = nombres_en(carpeta);
        Ventanas_de_prueba ventanas;
        elige_pdf(pdf);
        {
            const Limite_de_archivo limitado(limite < 0 ? RLIM_INFINITY : rlim_t(limite));
            pulsa_boton(ventana, QStringLiteral("print1"));
        }
        QCOMPARE(Mensajes::errores_capturados(),
                 impreso ? QStringList() : QStringList{QStringLiteral("Cannot print on %1.").arg(pdf)});
        QCOMPARE(nombres_en(carpeta), nombres);
        QCOMPARE(QFileInfo(pdf).isSymLink(), que != u"archivo");
        QFile impresion(archivo);
        QVERIFY(impresion.open(QIODevice::ReadOnly));
        const QByteArray bytes = impresion.readAll();
        if (!impreso)
            QCOMPARE(bytes, QByteArray("ANTERIOR"));
        else
            QVERIFY(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF") && bytes.size() > 4096);
    }

    // A writable file in a folder that takes no new file is written over in
    // place; a new name there is refused.
    void guardar_en_una_carpeta_de_solo_lectura()
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("jornada.qui"));
        escribe_bytes(ruta, QByteArray(2000, 'a'));
        QVERIFY(QFile::setPermissions(ruta, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther
                                                | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::ExeOwner));
        Ventanas_de_prueba ventanas;
        {
            const Como_usuario usuario;
            guarda_como(ruta);
            guarda_como(carpeta.filePath(QStringLiteral("nueva.qui")));
        }
        QVERIFY(QFile::setPermissions(carpeta.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(Mensajes::errores_capturados(), QStringList{QStringLiteral("File access denied.")});
        QCOMPARE(clase(ruta), QStringLiteral("archivo de 1248 bytes"));
        QCOMPARE(nombres_en(carpeta), QStringList{QStringLiteral("jornada.qui")});
    }
};

QTEST_MAIN(Prueba_entradas_hostiles)
#include "prueba_entradas_hostiles.moc"
