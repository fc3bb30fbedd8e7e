#include "printing/archivo_impresion.h"

#include "common/archivo_al_lado.h"
#include "common/error.h"
#include "common/nombre_en_disco.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The end of every PDF document Qt writes; a document cut short lacks it.
constexpr char fin_de_documento[] = "%%EOF";

QByteArray nombre_de(const QString& ruta)
{
    return nombre_en_disco::a_bytes(ruta);
}

// The printer opens its file by a name that Qt turns into bytes as UTF-8.
bool pasa_por_qt(const QByteArray& nombre)
{
    return QFile::encodeName(QFile::decodeName(nombre)) == nombre;
}

}  // namespace

// A link, dangling or not, is followed to the file it names, which is
// printed into or made; the link stays.
Archivo_impresion::Archivo_impresion(const QString& archivo)
    : archivo_(archivo)
{
    nombre_en_disco::comprueba(archivo);
    const QByteArray destino = nombre_en_disco::sigue_enlaces(nombre_de(archivo));
    if (!pasa_por_qt(destino))
        falla();
    destino_ = QFile::decodeName(destino);
    struct stat datos {};
    const bool existe = ::stat(destino.constData(), &datos) == 0;
    // A write-protected file is not to be replaced, however free its folder.
    if (existe && (!S_ISREG(datos.st_mode) || ::access(destino.constData(), W_OK) != 0))
        falla();
    al_lado_ = std::make_unique<Archivo_al_lado>(destino, existe ? &datos : nullptr);
    if (al_lado_->creado()) {
        temporal_ = QFile::decodeName(al_lado_->nombre());
        return;
    }
    if (!existe || al_lado_->error() != EACCES)
        falla();
    al_lado_.reset();
    temporal_ = destino_;
}

Archivo_impresion::~Archivo_impresion() = default;

void Archivo_impresion::termina(bool trabajo_terminado)
{
    if (!trabajo_terminado || !completo())
        falla();
    if (al_lado_ && al_lado_->pon_en_su_sitio() != 0)
        falla();
}

void Archivo_impresion::falla()
{
    throw Error_tolvera(QStringLiteral("Cannot print on %1").arg(archivo_));
}

bool Archivo_impresion::completo() const
{
    const int descriptor = ::open(nombre_de(temporal_).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat datos {};
    char cola[64] {};
    ssize_t leidos = -1;
    if (::fstat(descriptor, &datos) == 0 && datos.st_size > 0) {
        const off_t desde = std::max<off_t>(0, datos.st_size - off_t(sizeof cola));
        leidos = ::pread(descriptor, cola, sizeof cola, desde);
    }
    // Blocks the disk has not yet found room for fail here, not later.
    const bool en_disco = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return en_disco && leidos > 0 && QByteArray(cola, leidos).trimmed().endsWith(fin_de_documento);
}
