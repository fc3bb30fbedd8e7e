// The round's matches downloaded from the operator's page into the match
// table. Nothing else changes: the names reach the main window through "OK".
#include "matches/partidos.h"

#include "common/ansi.h"
#include "matches/HTTPGet.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QPushButton>

// The operator's host is chosen when the program is built (CMake cache
// variable TOLVERA_SERVIDOR_PARTIDOS).
void Tventana_partidos::crea_HTTPGetweb()
{
    HTTPGetweb = new THTTPGet(this);
    HTTPGetweb->setObjectName(QStringLiteral("HTTPGetweb"));
    HTTPGetweb->AcceptTypes = QStringLiteral("*/*");
    HTTPGetweb->Agent = QStringLiteral("Brisamo HTTPGet");
    HTTPGetweb->BinaryData = false;
    HTTPGetweb->URL = QStringLiteral("http://" TOLVERA_SERVIDOR_PARTIDOS "/qboletos.asp");
    HTTPGetweb->UseCache = false;
    HTTPGetweb->WaitThread = false;
    // A server that trickles the page must not keep "internet" dead for long.
    HTTPGetweb->plazo_segundos = 90;
    HTTPGetweb->OnDoneString = Mensajes::protegido(
        [this](QObject* Sender, const QString& Result) { HTTPGetwebDoneString(Sender, Result); });
    HTTPGetweb->OnError = Mensajes::protegido([this](QObject* Sender) { HTTPGetwebError(Sender); });
}

// While an abandoned download is still ending the press is ignored, as any
// press is while a download runs.
void Tventana_partidos::Boton_internetClick()
{
    HTTPGetweb->FetchText();
}

// A stopped fetch always ends with OnError, never with its page.
void Tventana_partidos::abandona_descarga()
{
    if (!HTTPGetweb->en_curso())
        return;
    descarga_abandonada = true;
    HTTPGetweb->StopFetch();
}

// A page that is not the expected one (an error page, a changed layout)
// leaves the table as it was: half a table of nonsense names would pass for
// a download that worked.
void Tventana_partidos::HTTPGetwebDoneString(QObject* Sender, const QString& Result)
{
    const QByteArray pagina = ansi::a_bytes(Result);
    const auto partidos = pagina_partidos::lee(pagina);
    if (!partidos) {
        HTTPGetwebError(Sender);
        return;
    }
    for (int n = 1; n <= pagina_partidos::numero_partidos; ++n)
        coloca_equipos(n, (*partidos)[n - 1]);
    // A page of the days before the Pleno, or one that lost it, leaves it as it was.
    if (const auto pleno = pagina_partidos::lee_pleno(pagina)) {
        tabla_pleno->pon_celda(1, 0, pleno->local);
        tabla_pleno->pon_celda(2, 0, pleno->visitante);
    }
}

void Tventana_partidos::HTTPGetwebError(QObject*)
{
    if (descarga_abandonada) {
        descarga_abandonada = false;
        return;
    }
    Mensajes::muestra(QStringLiteral("Error de comunicación con la web de los partidos"));
}

void Tventana_partidos::coloca_equipos(int n, const pagina_partidos::Equipos& equipos)
{
    tabla_partidos->pon_celda(1, n - 1, equipos.local);
    tabla_partidos->pon_celda(2, n - 1, equipos.visitante);
}
