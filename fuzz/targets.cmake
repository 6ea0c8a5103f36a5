# Each fuzz target: its source is fuzz/<name>.cpp, followed by the libraries it links.
set(VIREO_FUZZ_TARGETS packet_reader_fuzz reply_readers_fuzz payload_readers_fuzz)
set(VIREO_FUZZ_LIBS_packet_reader_fuzz vireo_packet)
set(VIREO_FUZZ_LIBS_reply_readers_fuzz vireo_replies)
set(VIREO_FUZZ_LIBS_payload_readers_fuzz vireo_payloads)
