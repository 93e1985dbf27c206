// The allocator's settings for the saldix program, read by jemalloc when it starts.
//
// A year of bookings is several hundred megabytes of list rows. In transparent huge pages
// it costs a fraction of the page faults and TLB misses that 4 KiB pages cost.
extern "C" {
const char* malloc_conf = "thp:always,metadata_thp:auto";
}
