// The yardstick for the status strip's cost: a strip that does nothing but write each new
// window.status text into a fixed line at the bottom, once per animation frame.
(function () {
  var d = Object.getOwnPropertyDescriptor(window, "status");
  var line = null;
  var queued = false;
  var text = "";
  function draw() {
    queued = false;
    if (!line) {
      line = document.createElement("div");
      line.style.cssText = "position:fixed;left:0;right:0;bottom:0;height:30px;background:#ececec;" +
        "font:13px/30px system-ui,sans-serif;white-space:pre;overflow:hidden";
      document.body.appendChild(line);
    }
    line.textContent = text;
  }
  Object.defineProperty(window, "status", {
    configurable: true,
    get: function () { return d.get.call(window); },
    set: function (value) {
      d.set.call(window, value);
      text = d.get.call(window);
      if (!queued) {
        queued = true;
        window.requestAnimationFrame(draw);
      }
    },
  });
})();
