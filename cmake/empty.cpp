// Placeholder translation unit for a subsystem folder that has no sources yet.
namespace {
[[maybe_unused]] int splice_empty_unit;
}
