// Reading a 10,000-placemark KML of the shape web maps export, against the XML parser alone
// on the same bytes (the floor: the reader walks what the parser built).
#include "exchange.h"
#include "message_notifier.h"
#include "point_document.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <string>

namespace {

const std::string& tenThousandPlacemarks() {
    static const std::string kml = [] {
        std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
                        "<Document>\n<name>export</name>\n";
        for (int folder = 0; folder < 10; ++folder) {
            s += "<Folder>\n<name>layer</name>\n";
            for (int i = 0; i < 1000; ++i) {
                char placemark[1024];
                int n = folder * 1000 + i;
                std::snprintf(placemark, sizeof placemark,
                              "<Placemark>\n<name>\xE5\x9C\xB0\xE7\x82\xB9 %d</name>\n"
                              "<description><![CDATA[note %d<br>more text]]></description>\n"
                              "<styleUrl>#icon-1899-0288D1</styleUrl>\n<ExtendedData>\n"
                              "<Data name=\"\xE9\x9B\xBB\xE8\xA9\xB1\xE7\x95\xAA\xE5\x8F\xB7\"><value>03-%04d-%04d</value></Data>\n"
                              "<Data name=\"\xE3\x83\x95\xE3\x83\xAA\xE3\x82\xAC\xE3\x83\x8A\"><value>\xE3\x83\x81\xE3\x83\x86\xE3\x83\xB3</value></Data>\n"
                              "</ExtendedData>\n<Point>\n<coordinates>\n%d.%07d,%d.%07d,0\n</coordinates>\n</Point>\n"
                              "</Placemark>\n",
                              n, n, n % 10000, n, 130 + n % 15, (n * 7919) % 10000000, 31 + n % 12,
                              (n * 104729) % 10000000);
                s += placemark;
            }
            s += "</Folder>\n";
        }
        return s + "</Document>\n</kml>\n";
    }();
    return kml;
}

class Quiet : public MessageNotifier {
  public:
    void showMessage(const char*) override {}
};

void XmlParseFloor(benchmark::State& state) {
    const std::string& kml = tenThousandPlacemarks();
    for (auto _ : state) {
        pugi::xml_document doc;
        doc.load_buffer(kml.data(), kml.size(),
                        pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_doctype);
        benchmark::DoNotOptimize(doc.first_child());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kml.size()));
}
BENCHMARK(XmlParseFloor)->Unit(benchmark::kMillisecond);

void ReadKml10000(benchmark::State& state) {
    const std::string& kml = tenThousandPlacemarks();
    Quiet quiet;
    setMessageNotifier(&quiet);
    for (auto _ : state) {
        PointDocument doc;
        ExchangeReport report;
        int result = readPoints(kml.data(), kml.size(), "bench.kml", ExchangeFormat::Kml, doc, ExchangeOptions(), report);
        if (result != 0 || doc.count() != 200) state.SkipWithError("the KML did not read");
        benchmark::DoNotOptimize(doc.count());
    }
    setMessageNotifier(nullptr);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kml.size()));
}
BENCHMARK(ReadKml10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
