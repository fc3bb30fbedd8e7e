#pragma once

#include <QString>
#include <QWidget>

// Widgets are reached by composing their names ("signo" + m + "_col" + c) and
// asking the owning window for them; letter case does not count.
QWidget* busca_componente(const QWidget* ventana, const QString& nombre);

// For a widget that may be missing: nothing when it is.
template <typename T>
T* busca(const QWidget* ventana, const QString& nombre)
{
    return qobject_cast<T*>(busca_componente(ventana, nombre));
}

// A name the program composed but no widget of that kind carries is a fault
// of the program, not of the user: it is thrown, naming the name and the
// window, for the general error report, before anything dereferences it.
[[noreturn]] void falta_componente(const QWidget* ventana, const QString& nombre);

template <typename T>
T* componente(const QWidget* ventana, const QString& nombre)
{
    T* encontrado = busca<T>(ventana, nombre);
    if (!encontrado)
        falta_componente(ventana, nombre);
    return encontrado;
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
