// Starts Tolvera and the bare baseline in turn, many times, and prints the
// median time from the start of the process to its first idle moment (which
// each program reports on its standard output), the median time of the whole
// process as its parent sees it, from fork to reaping (each ends at that idle
// moment), and the peak resident memory of each, and their ratios.
//   compara_arranque <tolvera> <base> <working dir> [rounds]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Medida {
    double segundos;
    double segundos_proceso;
    long kib;
};

long long ahora()
{
    timespec instante {};
    clock_gettime(CLOCK_MONOTONIC, &instante);
    return static_cast<long long>(instante.tv_sec) * 1000000000LL + instante.tv_nsec;
}

Medida ejecuta(const char* programa, const char* carpeta)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        std::exit(1);
    const long long inicio = ahora();
    const pid_t hijo = fork();
    if (hijo == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        // Qt's warnings about the environment are no part of the figures.
        if (std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(125);
        if (chdir(carpeta) != 0)
            _exit(126);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(programa, programa, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    char linea[32] = {};
    const ssize_t leidos = read(tubo[0], linea, sizeof linea - 1);
    close(tubo[0]);
    int estado = 0;
    rusage uso {};
    wait4(hijo, &estado, 0, &uso);
    const long long final = ahora();
    if (leidos <= 0 || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", programa, estado);
        std::exit(1);
    }
    return {static_cast<double>(std::atoll(linea) - inicio) / 1e9, static_cast<double>(final - inicio) / 1e9,
            uso.ru_maxrss};
}

double mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: compara_arranque <tolvera> <base> <working dir> [rounds]\n");
        return 2;
    }
    const int rondas = argc > 4 ? std::atoi(argv[4]) : 15;
    ejecuta(argv[1], argv[3]);  // warm the file cache for both
    ejecuta(argv[2], argv[3]);
    std::vector<double> t_tolvera, t_base, p_tolvera, p_base, m_tolvera, m_base;
    for (int i = 0; i < rondas; ++i) {
        const Medida a = ejecuta(argv[1], argv[3]);
        const Medida b = ejecuta(argv[2], argv[3]);
        t_tolvera.push_back(a.segundos);
        p_tolvera.push_back(a.segundos_proceso);
        p_base.push_back(b.segundos_proceso);
        m_tolvera.push_back(static_cast<double>(a.kib));
        t_base.push_back(b.segundos);
        m_base.push_back(static_cast<double>(b.kib));
    }
    const double tt = mediana(t_tolvera), tb = mediana(t_base);
    const double pt = mediana(p_tolvera), pb = mediana(p_base);
    const double mt = mediana(m_tolvera), mb = mediana(m_base);
    std::printf("start-up to the first idle moment, over %d rounds (medians)\n", rondas);
    std::printf("             to idle   whole process   peak RSS\n");
    std::printf("  tolvera : %7.1f ms   %7.1f ms   %8.0f KiB\n", tt * 1000, pt * 1000, mt);
    std::printf("  baseline: %7.1f ms   %7.1f ms   %8.0f KiB\n", tb * 1000, pb * 1000, mb);
    std::printf("  ratio   : %7.2f      %7.2f      %8.2f      (target <= 1.50 in time)\n", tt / tb, pt / pb, mt / mb);
    return 0;
}
