// Runs before the program starts: the saves folder (/saves) is IndexedDB's,
// loaded before the game reads its settings and written through on request.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/saves');
  FS.mount(IDBFS, {}, '/saves');
  addRunDependency('saves');
  FS.syncfs(true, function (error) {
    if (error) {
      console.warn('saves: cannot load from IndexedDB: ' + error);
    }
    removeRunDependency('saves');
  });
});

// One write at a time; a request during a write runs once it ends. Each file
// goes to IndexedDB whole, in one transaction.
Module.savesWrites = 0;
Module.savesBusy = false;
Module.writeSavesThrough = function () {
  if (Module.savesBusy) {
    Module.savesPending = true;
    return;
  }
  Module.savesBusy = true;
  FS.syncfs(false, function (error) {
    if (error) {
      console.warn('saves: cannot write to IndexedDB: ' + error);
    }
    Module.savesBusy = false;
    Module.savesWrites++;
    if (Module.savesPending) {
      Module.savesPending = false;
      Module.writeSavesThrough();
    }
  });
};
addEventListener('pagehide', function () {
  if (typeof FS !== 'undefined' && FS.root) {
    Module.writeSavesThrough();
  }
});
