// Prepended to the WebAssembly programs (Emscripten's --pre-js): under node they see
// the process's environment, as the native ones do (EJ_RANDOM_PRESSES and the like).
// Emscripten would hand them only a fixed environment of its own.
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  if (typeof ENV == 'object') Object.assign(ENV, process.env);
});
