// The tool under Node.js sees the environment it was started in (the XDG
// folders, the locale), as the native tool does.
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function () {
    Object.assign(ENV, process.env);
});
