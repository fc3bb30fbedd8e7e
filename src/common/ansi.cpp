#include "common/ansi.h"

#include <QList>

#include <algorithm>
#include <array>

namespace ansi {

namespace {

// 0x80-0x9F are where Windows-1252 departs from Latin-1; 0 marks the five
// bytes the code page leaves undefined, which pass through as C1 controls.
constexpr std::array<char16_t, 32> tramo_80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t unidad(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && tramo_80[byte - 0x80] != 0)
        return tramo_80[byte - 0x80];
    return byte;
}

bool cabe(char32_t punto)
{
    return punto <= 0xFFFF && (punto == u'?' || a_byte(QChar(static_cast<char16_t>(punto))) != '?');
}

// Letters that Unicode does not decompose into a base letter and a mark.
char32_t letra_sin_descomposicion(char32_t punto)
{
    switch (punto) {
    case U'ł': return U'l';
    case U'Ł': return U'L';
    case U'đ': return U'd';
    case U'Đ': return U'D';
    case U'ı': return U'i';
    case U'ħ': return U'h';
    case U'Ħ': return U'H';
    case U'ŧ': return U't';
    case U'Ŧ': return U'T';
    default: return 0;
    }
}

// The compatibility decomposition splits "ş" into "s" and a cedilla, "ﬁ"
// into "f" and "i"; the parts the code page holds stay (never the marks).
void pon_cercano(QString& destino, char32_t punto)
{
    if (const char32_t letra = letra_sin_descomposicion(punto)) {
        destino += QChar(static_cast<char16_t>(letra));
        return;
    }
    const QString partes = QString::fromUcs4(&punto, 1).normalized(QString::NormalizationForm_KD);
    for (const char32_t parte : partes.toUcs4())
        if (cabe(parte))
            destino += QChar(static_cast<char16_t>(parte));
}

}  // namespace

QString guardable(const QString& texto)
{
    const QList<uint> puntos = texto.toUcs4();
    if (std::all_of(puntos.begin(), puntos.end(), [](uint punto) { return cabe(punto); }))
        return texto;
    // Composed first, so that an "e" followed by a combining accent is the
    // "é" the code page has.
    QString cercano;
    for (const char32_t punto : texto.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (cabe(punto))
            cercano += QChar(static_cast<char16_t>(punto));
        else
            pon_cercano(cercano, punto);
    }
    return cercano;
}

QString a_texto(char byte)
{
    return QString(QChar(unidad(static_cast<unsigned char>(byte))));
}

QString a_texto(const QByteArray& bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        destino[i] = QChar(unidad(static_cast<unsigned char>(bytes[i])));
    return texto;
}

char a_byte(QChar caracter)
{
    const char16_t u = caracter.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < tramo_80.size(); ++i)
        if (tramo_80[i] == u)
            return static_cast<char>(0x80 + i);
    if (u >= 0x80 && u <= 0x9F)
        return static_cast<char>(u);
    return '?';
}

QByteArray a_bytes(const QString& texto)
{
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes[i] = a_byte(texto[i]);
    return bytes;
}

char minuscula(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return byte;
    }
}

}  // namespace ansi
