// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a job document at the size bound: read, parsed and replayed in about a second, in a
// small multiple of its size (one long caption, as a hostile file may have).
#include "io/job_document.h"
#include "io/job_replay.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>

#include <sys/resource.h>

namespace {

// A document of about `bytes` whose one field has a caption of nearly all of it, written piece
// by piece so that making it does not count in the peak memory.
QString LargeDocument(size_t bytes) {
    const QString path = QDir::temp().filePath(QStringLiteral("spirolan-bench-large.spjob"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"steps": [{"dialog": "Shape 1", "fields": {")");
        const QByteArray piece(1 << 20, 'x');
        for (size_t written = 0; written + piece.size() <= bytes; written += piece.size()) {
            file.write(piece);
        }
        file.write(R"(": "1"}}]})");
    }
    return path;
}

void BM_OpenDocumentAtTheBound(benchmark::State& state) {
    const auto bytes = static_cast<size_t>(spirolan::kMaxJobFileBytes - (1 << 20));
    const QString path = LargeDocument(bytes);
    for (auto _ : state) {
        const spirolan::JobFileResult parsed = spirolan::ReadJobDocument(path, "large.spjob");
        if (parsed.Job) {
            benchmark::DoNotOptimize(spirolan::ReplayJob(*parsed.Job, "large.spjob").Failure);
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // The peak resident size against the document's size.
    state.counters["peak_per_byte"] = static_cast<double>(usage.ru_maxrss) * 1024 / bytes;
    QFile::remove(path);
}
BENCHMARK(BM_OpenDocumentAtTheBound)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
