// The four record conversions between the settings document and the unit records.

#include <benchmark/benchmark.h>

#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "tests/support/StartedForm.h"

namespace {

void SettingsToHandsetRecord(benchmark::State& state) {
    testing_support::TStartedForm started;
    for (auto _ : state) benchmark::DoNotOptimize(records::MapSettingsToHSRecord(started.Form));
}
BENCHMARK(SettingsToHandsetRecord);

void HandsetRecordToSettings(benchmark::State& state) {
    testing_support::TStartedForm started;
    const records::hs_xsettings_t record = records::MapSettingsToHSRecord(started.Form);
    for (auto _ : state) records::MapHSRecordToSettings(record, started.Form);
}
BENCHMARK(HandsetRecordToSettings);

void SettingsToGatewayRecord(benchmark::State& state) {
    testing_support::TStartedForm started;
    for (auto _ : state) benchmark::DoNotOptimize(records::MapSettingsToGWRecord(started.Form));
}
BENCHMARK(SettingsToGatewayRecord);

void GatewayRecordToSettings(benchmark::State& state) {
    testing_support::TStartedForm started;
    const records::gw_xsettings_t record = records::MapSettingsToGWRecord(started.Form);
    for (auto _ : state) records::MapGWRecordToSettings(record, started.Form);
}
BENCHMARK(GatewayRecordToSettings);

}  // namespace
