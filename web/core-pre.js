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

// A bound function that was given a bad argument leaves the reason behind
// (web/TypedBinding.h) and returns without doing anything; every function
// and method of the binding is wrapped to throw it as an error here, once
// the WebAssembly call has returned.
Module['onRuntimeInitialized'] = function () {
  var refused = Module['argumentRefused'], take = Module['takeArgumentError'];
  function checked(f) {
    var g = function () {
      var result = f.apply(this, arguments);
      if (refused()) {
        if (result && typeof result.delete === 'function') result.delete();
        throw new RangeError(take());
      }
      return result;
    };
    g.argCount = f.argCount;
    return g;
  }
  var bound = Module['declaredNames']();
  Object.keys(bound.functions).forEach(function (name) { Module[name] = checked(Module[name]); });
  Object.keys(bound.classes).forEach(function (name) {
    var Class = Module[name], proto = Class.prototype;
    Object.keys(bound.classes[name]).forEach(function (m) { if (m !== 'new') proto[m] = checked(proto[m]); });
    // A constructor refusing its arguments: the object made is deleted again.
    var Checked = function () {
      var object = new (Function.prototype.bind.apply(Class, [null].concat(Array.prototype.slice.call(arguments))))();
      if (refused()) { object.delete(); throw new RangeError(take()); }
      return object;
    };
    Checked.prototype = proto;
    Module[name] = Checked;
  });
};
