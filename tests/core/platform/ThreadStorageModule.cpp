// A module with thread-local storage of its own, as many media plug-ins and GL
// drivers have: its block is made when a thread first touches it.

thread_local int touched = 0;

extern "C" __attribute__((visibility("default"))) int* tessaly_touch_thread_storage() {
    ++touched;
    return &touched;
}
