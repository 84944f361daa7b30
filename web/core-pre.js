// The core's binary is embedded in this file. The loader would fetch it as a
// data: address, which a content security policy without connect-src data:
// refuses (with console errors); instantiating the embedded bytes directly
// needs nothing beyond 'wasm-unsafe-eval'.
Module['instantiateWasm'] = function (imports, receiveInstance) {
  WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports)
    .then(function (result) { receiveInstance(result.instance, result.module); })
    .catch(function (e) { readyPromiseReject(e); });
  return {};
};
