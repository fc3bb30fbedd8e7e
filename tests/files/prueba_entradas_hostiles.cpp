// What a careful user's machine can put under a name the program reads or
// writes (FIFOs, devices, links to them, huge lists, folders that take no
// new file), and failures that must neither end the program nor pass for
// success.
#include "apoyo/apoyo.h"
#include "common/error.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "printing/impresora.h"
#include "slip/linea_ordenes.h"
#include "slip/ventana.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/mensajes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <new>
#include <stdexcept>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

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
// leaves the file there. False if it could not be made.
[[nodiscard]] bool crea(const QString& ruta, const QString& que)
{
    if (que == u"archivo")
        return true;
    const QString destino = ruta + QStringLiteral("_destino");
    QFile::remove(ruta);
    const auto fifo = [](const QString& en) { return ::mkfifo(QFile::encodeName(en).constData(), 0666) == 0; };
    if (que == u"fifo")
        return fifo(ruta);
    if (que == u"cero")
        return QFile::link(QStringLiteral("/dev/zero"), ruta);
    if (que == u"carpeta")
        return QDir().mkdir(ruta);
    const bool hecho = que == u"enlace a fifo" ? fifo(destino) : escribe_bytes(destino, QByteArray(2000, 'a'));
    return hecho && QFile::link(destino, ruta);
}

QStringList nombres_en(const QTemporaryDir& carpeta)
{
    return QDir(carpeta.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
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

// The names in a folder as the system holds them, bytes and all.
QList<QByteArray> bytes_en(const QTemporaryDir& carpeta)
{
    QList<QByteArray> nombres;
    DIR* lista = ::opendir(QFile::encodeName(carpeta.path()).constData());
    while (const dirent* entrada = lista ? ::readdir(lista) : nullptr)
        if (std::strcmp(entrada->d_name, ".") != 0 && std::strcmp(entrada->d_name, "..") != 0)
            nombres.append(QByteArray(entrada->d_name));
    if (lista)
        ::closedir(lista);
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

// Qt cannot remove names that are not UTF-8: the folder is emptied by their
// bytes when this goes.
class Vacia_al_salir {
public:
    explicit Vacia_al_salir(const QTemporaryDir& carpeta) : carpeta_(QFile::encodeName(carpeta.path())) {}
    ~Vacia_al_salir() { vacia(carpeta_); }
    Vacia_al_salir(const Vacia_al_salir&) = delete;
    Vacia_al_salir& operator=(const Vacia_al_salir&) = delete;

private:
    static void vacia(const QByteArray& carpeta)
    {
        DIR* lista = ::opendir(carpeta.constData());
        while (const dirent* entrada = lista ? ::readdir(lista) : nullptr) {
            const QByteArray ruta = carpeta + '/' + entrada->d_name;
            if (std::strcmp(entrada->d_name, ".") == 0 || std::strcmp(entrada->d_name, "..") == 0)
                continue;
            if (::unlink(ruta.constData()) != 0) {
                vacia(ruta);
                ::rmdir(ruta.constData());
            }
        }
        if (lista)
            ::closedir(lista);
    }

    QByteArray carpeta_;
};

QByteArray en_bytes(const QTemporaryDir& carpeta, const QByteArray& nombre)
{
    return QFile::encodeName(carpeta.path()) + '/' + nombre;
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
        QVERIFY(crea(carpeta.ruta(QStringLiteral("primera.txt")), primera));
        QVERIFY(crea(carpeta.ruta(QStringLiteral("segunda.txt")), segunda));
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
        QVERIFY(crea(ruta, que));
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
        QVERIFY(crea(ruta, que));
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
        QVERIFY(crea(pdf, que));
        QVERIFY(escribe_bytes(archivo, "ANTERIOR"));
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
        QVERIFY(escribe_bytes(ruta, QByteArray(2000, 'a')));
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

    // A Latin-1 "ñ" in a name on a UTF-8 system: named on the command line,
    // the file of those very bytes loads; through a dialog, where Qt has lost
    // the byte, the command is refused and no file of another name appears.
    void nombres_que_el_sistema_no_sabe_leer_data()
    {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QByteArray>("nombre");
        QTest::newRow("linea de ordenes") << "linea de ordenes" << QByteArray("jornada_espa\xf1ola.qui");
        QTest::newRow("recuperar") << "Button3" << QByteArray("jornada_espa\xf1ola.qui");
        QTest::newRow("guardar") << "Button2" << QByteArray("jornada_espa\xf1ola.qui");
        QTest::newRow("guardar, carpeta") << "Button2" << QByteArray("espa\xf1ola/jornada.qui");
        QTest::newRow("imprimir") << "print1" << QByteArray("folio_espa\xf1ol.pdf");
    }

    void nombres_que_el_sistema_no_sabe_leer()
    {
        QFETCH(QString, orden);
        QFETCH(QByteArray, nombre);
        QTemporaryDir carpeta;
        const Vacia_al_salir vacia(carpeta);
        Ventanas_de_prueba ventanas;
        fecha()->setText(QStringLiteral("14/05/23"));
        const QString guardada = carpeta.filePath(QStringLiteral("guardada.qui"));
        guarda_como(guardada);
        const QByteArray ruta = en_bytes(carpeta, nombre);
        if (nombre.contains('/'))
            QCOMPARE(::mkdir(ruta.left(ruta.lastIndexOf('/')).constData(), 0777), 0);
        QCOMPARE(::rename(QFile::encodeName(guardada).constData(), ruta.constData()), 0);
        fecha()->setText(QStringLiteral("otra"));
        const QList<QByteArray> antes = bytes_en(carpeta);
        const QString perdido = QFile::decodeName(ruta);
        QVERIFY(perdido.contains(QChar::ReplacementCharacter));

        if (orden == u"linea de ordenes") {
            QByteArray programa("tolvera");
            QByteArray argumento = ruta;
            char* argv[] = {programa.data(), argumento.data()};
            const Linea_ordenes linea = interpreta_linea_ordenes(argumentos_de(2, argv));
            Mensajes::protege([&linea] { ventana->recupera(linea.archivo); });
            QCOMPARE(Mensajes::errores_capturados(), QStringList());
            QCOMPARE(fecha()->text(), QStringLiteral("14/05/23"));
        } else {
            if (orden == u"print1")
                elige_pdf(perdido);
            else
                Dialogo_archivo::fija_siguiente(perdido);
            pulsa_boton(ventana, orden);
            QCOMPARE(Mensajes::errores_capturados(),
                     QStringList{QStringLiteral("El nombre «%1» tiene letras que el sistema no sabe leer; cambia el "
                                                "nombre del archivo, o de su carpeta, y vuelve a elegirlo.")
                                     .arg(perdido)});
            QCOMPARE(fecha()->text(), QStringLiteral("otra"));
        }
        QCOMPARE(bytes_en(carpeta), antes);
    }

    // A print killed midway leaves its new file behind: the next print to
    // the same file removes those of its own that no print still holds, and
    // nothing else. A dangling link is printed through, and stays a link.
    void restos_de_impresiones_y_enlaces_colgantes_data()
    {
        QTest::addColumn<QString>("enlace");  // where folio.pdf leads, empty for a plain file
        QTest::addColumn<QStringList>("restos");  // left beside it; a "+" before the name: held locked
        QTest::addColumn<QStringList>("quedan");  // what the folder holds after the print
        QTest::addColumn<QString>("error");
        const QStringList restos{QStringLiteral("folio.pdf.0123abcd"), QStringLiteral("+folio.pdf.89abcdef"),
                                 QStringLiteral("folio.pdf.0123abcX"), QStringLiteral("folio.pdf.0123abc"),
                                 QStringLiteral("folio.pdf.20240101"), QStringLiteral("otro.pdf.0123abcd")};
        QTest::newRow("restos") << QString() << restos
                                << QStringList{QStringLiteral("folio.pdf"), QStringLiteral("folio.pdf.0123abc"),
                                               QStringLiteral("folio.pdf.0123abcX"),
                                               QStringLiteral("folio.pdf.20240101"),
                                               QStringLiteral("folio.pdf.89abcdef"),
                                               QStringLiteral("otro.pdf.0123abcd")}
                                << QString();
        QTest::newRow("enlace colgante") << "destino.pdf" << QStringList()
                                         << QStringList{QStringLiteral("destino.pdf"), QStringLiteral("folio.pdf")}
                                         << QString();
        QTest::newRow("enlace a una carpeta que no hay") << "no/hay.pdf" << QStringList()
                                                         << QStringList{QStringLiteral("folio.pdf")}
                                                         << "Cannot print on %1.";
    }

    void restos_de_impresiones_y_enlaces_colgantes()
    {
        QFETCH(QString, enlace);
        QFETCH(QStringList, restos);
        QFETCH(QStringList, quedan);
        QFETCH(QString, error);
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("folio.pdf"));
        if (!enlace.isEmpty())
            QCOMPARE(::symlink(QFile::encodeName(enlace).constData(), QFile::encodeName(pdf).constData()), 0);
        std::vector<int> cerrojos;
        for (QString resto : restos) {
            const bool cerrado = resto.startsWith(QLatin1Char('+'));
            resto.remove(0, cerrado ? 1 : 0);
            QVERIFY(escribe_bytes(carpeta.filePath(resto), "%PDF-1.4 a medias"));
            if (cerrado) {
                cerrojos.push_back(::open(QFile::encodeName(carpeta.filePath(resto)).constData(), O_RDONLY));
                QCOMPARE(::flock(cerrojos.back(), LOCK_EX), 0);
            }
        }
        Ventanas_de_prueba ventanas;
        elige_pdf(pdf);
        pulsa_boton(ventana, QStringLiteral("print1"));
        for (const int cerrojo : cerrojos)
            ::close(cerrojo);
        QCOMPARE(Mensajes::errores_capturados(), error.isEmpty() ? QStringList() : QStringList{error.arg(pdf)});
        QCOMPARE(nombres_en(carpeta), quedan);
        QCOMPARE(QFileInfo(pdf).isSymLink(), !enlace.isEmpty());
        if (error.isEmpty()) {
            QFile impresion(pdf);
            QVERIFY(impresion.open(QIODevice::ReadOnly));
            QVERIFY(impresion.readAll().trimmed().endsWith("%%EOF"));
        }
    }
};

QTEST_MAIN(Prueba_entradas_hostiles)
#include "prueba_entradas_hostiles.moc"
