#pragma once

// How every function of the engine module runs a computation: without the
// interpreter's lock, and stopped by Ctrl-C.

#include <pybind11/pybind11.h>

#include <kavrel/progress.h>

#include <cstdint>

// Runs a computation that takes a progress callback without the interpreter's
// lock. Ctrl-C stops it and raises KeyboardInterrupt (or whatever the signal
// handler raised) once the lock is back.
template <class Computation> auto withoutLock(Computation computation)
{
    bool cancelled = false;
    decltype(computation(kavrel::Progress())) result{};
    {
        pybind11::gil_scoped_release release;
        try {
            result = computation([](std::int64_t, std::int64_t) {
                pybind11::gil_scoped_acquire acquire;
                return PyErr_CheckSignals() == 0;
            });
        } catch (const kavrel::Cancelled &) {
            cancelled = true;
        }
    }
    if (cancelled)
        throw pybind11::error_already_set();
    return result;
}
