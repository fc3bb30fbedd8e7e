#include "common/nombre_en_disco.h"

#include "common/error.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nombre_en_disco {

namespace {

constexpr char16_t base_de_escape = 0xDC00;

// The length of the valid UTF-8 sequence that starts at `i`, or 0: no
// overlong forms, no surrogates, nothing past U+10FFFF.
int secuencia_utf8(const QByteArray& bytes, qsizetype i)
{
    const auto byte = [&](qsizetype j) { return static_cast<unsigned char>(bytes[j]); };
    const unsigned char primero = byte(i);
    int largo = 0;
    char32_t punto = 0;
    if (primero < 0x80)
        return 1;
    if (primero >= 0xC2 && primero <= 0xDF) {
        largo = 2;
        punto = primero & 0x1F;
    } else if (primero >= 0xE0 && primero <= 0xEF) {
        largo = 3;
        punto = primero & 0x0F;
    } else if (primero >= 0xF0 && primero <= 0xF4) {
        largo = 4;
        punto = primero & 0x07;
    } else {
        return 0;
    }
    if (i + largo > bytes.size())
        return 0;
    for (int k = 1; k < largo; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        punto = (punto << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t menor[] = {0, 0, 0x80, 0x800, 0x10000};
    if (punto < menor[largo] || punto > 0x10FFFF || (punto >= 0xD800 && punto <= 0xDFFF))
        return 0;
    return largo;
}

bool es_escape(char16_t unidad)
{
    return unidad >= base_de_escape + 0x80 && unidad <= base_de_escape + 0xFF;
}

// Every entry of the folder whose name reads as `parte` but is other bytes.
bool hay_otra_que_se_lee_igual(const QByteArray& carpeta, const QString& parte)
{
    DIR* lista = ::opendir(carpeta.isEmpty() ? "." : carpeta.constData());
    if (!lista)
        return false;
    const QByteArray exacta = a_bytes(parte);
    bool hay = false;
    while (const dirent* entrada = ::readdir(lista)) {
        const QByteArray nombre(entrada->d_name);
        if (nombre != exacta && QFile::decodeName(nombre) == parte) {
            hay = true;
            break;
        }
    }
    ::closedir(lista);
    return hay;
}

}  // namespace

QString de_bytes(const QByteArray& bytes)
{
    QString nombre;
    nombre.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int largo = secuencia_utf8(bytes, i);
        if (largo == 0) {
            nombre.append(QChar(char16_t(base_de_escape + static_cast<unsigned char>(bytes[i]))));
            ++i;
        } else {
            nombre.append(QString::fromUtf8(bytes.constData() + i, largo));
            i += largo;
        }
    }
    return nombre;
}

QByteArray a_bytes(const QString& nombre)
{
    QByteArray bytes;
    bytes.reserve(nombre.size());
    qsizetype desde = 0;
    for (qsizetype i = 0; i <= nombre.size(); ++i) {
        if (i < nombre.size() && !es_escape(nombre[i].unicode()))
            continue;
        bytes.append(QStringView(nombre).mid(desde, i - desde).toUtf8());
        if (i < nombre.size())
            bytes.append(static_cast<char>(nombre[i].unicode() - base_de_escape));
        desde = i + 1;
    }
    return bytes;
}

QByteArray sigue_enlaces(const QByteArray& nombre)
{
    QByteArray actual = nombre;
    // As many links as the system itself follows in one name.
    for (int saltos = 0; saltos < 40; ++saltos) {
        struct stat datos {};
        if (::lstat(actual.constData(), &datos) != 0 || !S_ISLNK(datos.st_mode))
            return actual;
        QByteArray destino(4096, '\0');
        const ssize_t largo = ::readlink(actual.constData(), destino.data(), destino.size());
        if (largo <= 0 || largo >= destino.size())
            return actual;
        destino.truncate(largo);
        if (!destino.startsWith('/')) {
            const qsizetype barra = actual.lastIndexOf('/');
            if (barra >= 0)
                destino.prepend(actual.left(barra + 1));
        }
        actual = destino;
    }
    return actual;
}

bool ha_perdido_bytes(const QString& ruta)
{
    if (!ruta.contains(QChar::ReplacementCharacter))
        return false;
    const QStringList partes = ruta.split(QLatin1Char('/'));
    QByteArray carpeta;
    for (qsizetype i = 0; i < partes.size(); ++i) {
        const QString& parte = partes[i];
        if (parte.contains(QChar::ReplacementCharacter) && hay_otra_que_se_lee_igual(carpeta, parte))
            return true;
        carpeta += a_bytes(parte) + '/';
    }
    return false;
}

void comprueba(const QString& ruta)
{
    if (ha_perdido_bytes(ruta))
        throw Error_tolvera(QStringLiteral("El nombre «%1» tiene letras que el sistema no sabe leer; "
                                           "cambia el nombre del archivo, o de su carpeta, y vuelve a elegirlo")
                                .arg(ruta));
}

}  // namespace nombre_en_disco
