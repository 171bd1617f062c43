// The core's fsync in the page, as an Emscripten JS library: the folder lives in
// the browser's storage (IDBFS) and the call waits until it is stored there.
// Emscripten 3.1.6's own fd_sync takes a store the browser refused for a success (it
// hands the waiting call a function where the error number belongs), so a file the
// browser never kept counted as written and replaced the one it held. This one
// answers EIO, and the write fails as every failed write does.
mergeInto(LibraryManager.library, {
    fd_sync__deps: ['$SYSCALLS'],
    fd_sync__sig: 'ii',
    fd_sync: function (fd) {
        var kBadDescriptor = 8, kInputOutputError = 29;
        var stream;
        try {
            stream = SYSCALLS.getStreamFromFD(fd);
        } catch (error) {
            return error.errno || kBadDescriptor;
        }
        return Asyncify.handleSleep(function (wakeUp) {
            var mount = stream.node.mount;
            if (!mount.type.syncfs) {
                wakeUp(0);
                return;
            }
            mount.type.syncfs(mount, false, function (error) {
                wakeUp(error ? kInputOutputError : 0);
            });
        });
    },
});
