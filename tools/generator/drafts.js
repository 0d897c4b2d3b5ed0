'use strict';
function generateDrafts() { return new Map(); }
module.exports = {generateDrafts};
