// keyloft-bench: the encryptor on 1 KB and 1 MB texts, and the vault store's
// login, save and load with 100 to 50,000 password entries, through the real
// db.js in a QML engine, the check of the vault file that load makes, and
// the size of a cloud backup's upload and download for 10,000 and 50,000
// entries. Runs offscreen with a temporary data directory.

#include "app/AppSetup.h"
#include "compat/BaseFunctionTable.h"
#include "vault/Encryptor.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

QObject *g_store = nullptr;
int g_preparedEntries = -1;

QString key() {
    return QString::fromLatin1(QCryptographicHash::hash("123456", QCryptographicHash::Md5).toHex());
}

QString plainOfBytes(int n) {
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i)
        s.append(QChar('!' + i % 90));
    return s;
}

QVariant call(const char *method, const QVariant &arg = QVariant()) {
    QVariant ret;
    if (arg.isValid())
        QMetaObject::invokeMethod(g_store, method, Q_RETURN_ARG(QVariant, ret),
                                  Q_ARG(QVariant, arg));
    else
        QMetaObject::invokeMethod(g_store, method, Q_RETURN_ARG(QVariant, ret));
    return ret;
}

void prepare(benchmark::State &state, int entries) {
    if (g_preparedEntries != entries) {
        if (!call("prepare", entries).toBool())
            state.SkipWithError("could not build the vault");
        g_preparedEntries = entries;
    }
}

void BM_Encrypt(benchmark::State &state) {
    Encryptor enc;
    const QString k = key();
    const QString plain = plainOfBytes(int(state.range(0)));
    const bool lines = state.range(1) != 0;
    for (auto _ : state) {
        QString c = lines ? enc.aesEncryptLines(k, plain) : enc.aesEncrypt(k, plain);
        benchmark::DoNotOptimize(c);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_Decrypt(benchmark::State &state) {
    Encryptor enc;
    const QString k = key();
    const QString plain = plainOfBytes(int(state.range(0)));
    const bool lines = state.range(1) != 0;
    const QString code = lines ? enc.aesEncryptLines(k, plain) : enc.aesEncrypt(k, plain);
    for (auto _ : state) {
        QString p = lines ? enc.aesDecryptLines(k, code) : enc.aesDecrypt(k, code);
        benchmark::DoNotOptimize(p);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_StoreLoad(benchmark::State &state) {
    prepare(state, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(call("reload"));
    state.counters["row_bytes"] = call("rowSize").toDouble();
}

// The judgement of the vault file alone (SQLite's integrity check included),
// which every load makes before it reads the row.
void BM_VaultFileCheck(benchmark::State &state) {
    prepare(state, int(state.range(0)));
    for (auto _ : state) {
        if (call("checkFile").toString() != QLatin1String("sound"))
            state.SkipWithError("the vault file was not judged sound");
    }
}

void BM_StoreLogin(benchmark::State &state) {
    prepare(state, int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        call("reload");
        state.ResumeTiming();
        if (!call("login").toBool())
            state.SkipWithError("login failed");
    }
}

void BM_StoreSave(benchmark::State &state) {
    prepare(state, int(state.range(0)));
    call("reload");
    call("login");
    for (auto _ : state) {
        if (!call("save").toBool())
            state.SkipWithError("save failed");
    }
}

// Not a timing: the size of the largest texts that cross the network for a
// vault of n entries (a backup upload and its download), which the HTTP
// client's bound on an answer's size is measured against.
void BM_CloudSizes(benchmark::State &state) {
    prepare(state, int(state.range(0)));
    call("reload");
    call("login");
    QVariantMap sizes;
    for (auto _ : state)
        sizes = call("cloudSizes").toMap();
    state.counters["upload_bytes"] = sizes.value(QStringLiteral("upload")).toDouble();
    state.counters["download_bytes"] = sizes.value(QStringLiteral("download")).toDouble();
    state.counters["row_bytes"] = call("rowSize").toDouble();
}

} // namespace

BENCHMARK(BM_Encrypt)->ArgsProduct({{1024, 1 << 20}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decrypt)->ArgsProduct({{1024, 1 << 20}, {0, 1}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreLogin)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSave)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreLoad)->Arg(100)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VaultFileCheck)->Arg(100)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloudSizes)->Arg(10000)->Arg(50000)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    // The same heap settings as the program.
    AppSetup::keepLargeBlocksInHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qSetMessagePattern(QString());
    compat::ensureBaseFunctionTable();
    QGuiApplication app(argc, argv);
    AppSetup::registerQmlTypes();

    // The data directory under a temporary APPDATA, as the program finds it.
    QTemporaryDir dataDir;
    qputenv("APPDATA", QFile::encodeName(dataDir.path()));
    QQmlEngine engine;
    if (AppSetup::setUpEngine(&engine).isEmpty())
        return 1;
    QQmlComponent component(
        &engine, QUrl::fromLocalFile(QStringLiteral(KEYLOFT_SOURCE_DIR "/bench/StoreBench.qml")));
    std::unique_ptr<QObject> store(component.create());
    if (!store) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    g_store = store.get();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_store = nullptr;
    return 0;
}
