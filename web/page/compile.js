// The module's code compiles while the page is still read and laid out; main.js takes it from
// here. A file of its own, not an inline script, so that the page's security policy forbids those.
self.qavCompiled = WebAssembly.compileStreaming(fetch('qav.wasm'));
self.qavCompiled.catch(() => {});  // main.js then loads the module itself and reports what fails
