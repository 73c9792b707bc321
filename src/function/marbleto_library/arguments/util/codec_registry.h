#pragma once

// The process-wide registry of the codecs output profiles may name: 64
// open-addressing slots keyed by the lower-cased name, filled once by
// codec_register_all during the library's set-up, read-only afterwards.

#include "function/marbleto_library/arguments/util/arguments.h"

#include <cstdint>

enum media_type
{
    MEDIA_TYPE_VIDEO = 1,
    MEDIA_TYPE_AUDIO = 2,
};

struct codec_descriptor
{
    int32_t mediaType;
    const char* name;           // as profiles spell it; the key
    const char* codecName;      // the encoder's codec name
    const char* description;
    argument_builder builders[6];   // by encoder_kind; null: none
    void* reserved[2];
};

constexpr int kCodecRegistrySlots = 64;

void codec_register_all();
void codec_register(const codec_descriptor* descriptor);
// The slot array (null entries are free).
const codec_descriptor* const* codec_registry_slots();
// The row of `name` (ASCII case-insensitive) and media type; null for none.
const codec_descriptor* codec_find(const char* name, int mediaType);
// Clears the registry; for tests that fill their own.
void codec_registry_reset_for_test();
