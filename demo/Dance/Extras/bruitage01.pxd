PXD demo
