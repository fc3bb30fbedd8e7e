#pragma once

#include <QString>
#include <QWidget>

// Widgets are reached by composing their names ("signo" + m + "_col" + c) and
// asking the owning window for them; letter case does not count.
QWidget* busca_componente(const QWidget* ventana, const QString& nombre);

template <typename T>
T* busca(const QWidget* ventana, const QString& nombre)
{
    return qobject_cast<T*>(busca_componente(ventana, nombre));
}

// "signo" + 3 + "_col" + 7 -> "signo3_col7": decimal, no leading zeros.
inline QString nombre(const QString& raiz, int numero)
{
    return raiz + QString::number(numero);
}

inline QString nombre(const QString& raiz, int numero, const QString& union_, int segundo)
{
    return raiz + QString::number(numero) + union_ + QString::number(segundo);
}
