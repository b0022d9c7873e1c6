<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Hide Print Accounting Dialog</source>
        <translation>Ocultar el diálogo Imprimir/Cuentas</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Mostrar el diálogo Imprimir/Cuentas</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Imprimiendo...</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Afica</source>
        <translation>Á&amp;frica</translation>
    </message>
    <message>
        <source>&amp;Africa</source>
        <translation>Á&amp;frica</translation>
    </message>
    <message>
        <source>Load Africa</source>
        <translation>Cargar África</translation>
    </message>
    <message>
        <source>A&amp;merica</source>
        <translation>A&amp;mérica</translation>
    </message>
    <message>
        <source>Load America</source>
        <translation>Cargar América</translation>
    </message>
    <message>
        <source>A&amp;sia</source>
        <translation>A&amp;sia</translation>
    </message>
    <message>
        <source>Load Asia</source>
        <translation>Cargar Asia</translation>
    </message>
    <message>
        <source>&amp;Caribbean</source>
        <translation>&amp;Caribe</translation>
    </message>
    <message>
        <source>&amp;Carribbean</source>
        <translation>&amp;Caribe</translation>
    </message>
    <message>
        <source>Load Caribbean</source>
        <translation>Cargar Caribe</translation>
    </message>
    <message>
        <source>&amp;Europe</source>
        <translation>&amp;Europa</translation>
    </message>
    <message>
        <source>Load Europe</source>
        <translation>Cargar Europa</translation>
    </message>
    <message>
        <source>&amp;MiddleEast</source>
        <translation>&amp;Oriente Medio</translation>
    </message>
    <message>
        <source>M&amp;iddle East</source>
        <translation>&amp;Oriente Medio</translation>
    </message>
    <message>
        <source>Load Middle East</source>
        <translation>Cargar Oriente Medio</translation>
    </message>
    <message>
        <source>&amp;Oceania</source>
        <translation>Ocea&amp;nía</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>Oceanía</translation>
    </message>
    <message>
        <source>Load Oceania</source>
        <translation>Cargar Oceanía</translation>
    </message>
    <message>
        <source>The language of the interface; it changes at the next start</source>
        <translation>El idioma de la interfaz; cambia en el próximo inicio</translation>
    </message>
    <message>
        <source>Save &amp;Transaction Log...</source>
        <translation>&amp;Guardar registro de operaciones...</translation>
    </message>
    <message>
        <source>Save Transaction Log As...</source>
        <translation>Guardar registro de operaciones como...</translation>
    </message>
    <message>
        <source>Preview &amp;Customer Receipt</source>
        <translation>&amp;Vista previa del recibo del cliente</translation>
    </message>
    <message>
        <source>Preview Customer Receipt</source>
        <translation>Vista previa del recibo del cliente</translation>
    </message>
    <message>
        <source>Preview Transaction &amp;Log</source>
        <translation>Vista previa del &amp;registro de operaciones</translation>
    </message>
    <message>
        <source>Preview Transaction Log</source>
        <translation>Vista previa del registro de operaciones</translation>
    </message>
    <message>
        <source>Print Customer Receipt</source>
        <translation>Imprimir recibo del cliente</translation>
    </message>
    <message>
        <source>Print T&amp;ransaction Log</source>
        <translation>&amp;Imprimir registro de operaciones</translation>
    </message>
    <message>
        <source>Print Transaction Log</source>
        <translation>Imprimir registro de operaciones</translation>
    </message>
    <message>
        <source>Print &amp;Header Options</source>
        <translation>Opciones de &amp;encabezado</translation>
    </message>
    <message>
        <source>Print Header Options</source>
        <translation>Opciones de encabezado de impresión</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>View &amp;Transaction Log</source>
        <translation>&amp;Registro de operaciones</translation>
    </message>
    <message>
        <source>Show Transaction Log</source>
        <translation>Mostrar el registro de operaciones</translation>
    </message>
    <message>
        <source>Count&amp;ry List</source>
        <translation>Lista de &amp;países</translation>
    </message>
    <message>
        <source>Show Country Drag/Drop List</source>
        <translation>Mostrar la lista de países para arrastrar</translation>
    </message>
    <message>
        <source>Country Drag &amp;List	Ctrl+R</source>
        <translation>&amp;Lista de países	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Folder Name</source>
        <translation>&amp;Nombre de carpeta</translation>
    </message>
    <message>
        <source>Change Folder Name</source>
        <translation>Cambiar el nombre de la carpeta</translation>
    </message>
    <message>
        <source>C&amp;hange Folder Name</source>
        <translation>Cambiar &amp;nombre de carpeta</translation>
    </message>
    <message>
        <source>Clear &amp;Selected Folders</source>
        <translation>Borrar carpetas &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Clear Selected Folders</source>
        <translation>Borrar las carpetas seleccionadas</translation>
    </message>
    <message>
        <source>Clear Selected Folder</source>
        <translation>Borrar la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Clear &amp;All Folders</source>
        <translation>Borrar &amp;todas las carpetas</translation>
    </message>
    <message>
        <source>Clear All Folders</source>
        <translation>Borrar todas las carpetas</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Cargar carpetas por defecto</translation>
    </message>
    <message>
        <source>Load Default Folders</source>
        <translation>Cargar las carpetas por defecto</translation>
    </message>
    <message>
        <source>&amp;Date Currency Format</source>
        <translation>&amp;Formato de fecha y moneda</translation>
    </message>
    <message>
        <source>Edit Date Currency Format</source>
        <translation>Editar el formato de fecha y moneda</translation>
    </message>
    <message>
        <source>Set Accounting &amp;ExportFile</source>
        <translation>Archivo de &amp;exportación contable</translation>
    </message>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Archivo de exportación contable</translation>
    </message>
    <message>
        <source>&amp;Rollback</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Rollback</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Currency &amp;Editor</source>
        <translation>&amp;Editor de monedas</translation>
    </message>
    <message>
        <source>Currency Editor</source>
        <translation>Editor de monedas</translation>
    </message>
    <message>
        <source>C&amp;ommissionEditor</source>
        <translation>Editor de c&amp;omisiones</translation>
    </message>
    <message>
        <source>Commission Editor</source>
        <translation>Editor de comisiones</translation>
    </message>
    <message>
        <source>&amp;Firewall Setup</source>
        <translation>&amp;Configurar cortafuegos</translation>
    </message>
    <message>
        <source>Firewall Setup</source>
        <translation>Configurar cortafuegos</translation>
    </message>
    <message>
        <source>&amp;Help Index</source>
        <translation>Índice de &amp;ayuda</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Índice de ayuda</translation>
    </message>
    <message>
        <source>&amp;Download Latest Version</source>
        <translation>&amp;Descargar la última versión</translation>
    </message>
    <message>
        <source>Download Latest Version</source>
        <translation>Descargar la última versión</translation>
    </message>
    <message>
        <source>Delete Country</source>
        <translation>Borrar país</translation>
    </message>
    <message>
        <source>Update from the Web</source>
        <translation>Actualizar desde la web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>About &amp;ZYMTechnology</source>
        <translation>Acerca de &amp;ZYMTechnology</translation>
    </message>
    <message>
        <source>About ZYMTechnology</source>
        <translation>Acerca de ZYMTechnology</translation>
    </message>
    <message>
        <source>&amp;Show Commission Toobar</source>
        <translation>&amp;Mostrar barra de comisiones</translation>
    </message>
    <message>
        <source>Show Print Accounting Dialog</source>
        <translation>Mostrar el diálogo Imprimir/Cuentas</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impresión rápida</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
</context>
<context>
    <name>CommissionBar</name>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Cheques de viaje</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Venta</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Comisión</translation>
    </message>
</context>
<context>
    <name>CurrencyPanes</name>
    <message>
        <source>Local exchange panel</source>
        <translation>Panel de cambio local</translation>
    </message>
    <message>
        <source>Reverse Mode</source>
        <translation>Modo inverso</translation>
    </message>
    <message>
        <source>Foreign exchange panel</source>
        <translation>Panel de cambio extranjero</translation>
    </message>
    <message>
        <source>Update Currencies</source>
        <translation>Actualizar cambios</translation>
    </message>
    <message>
        <source>Show Commision Toobar</source>
        <translation>Mostrar barra de comisiones</translation>
    </message>
    <message>
        <source>Hide Commission Toobar</source>
        <translation>Ocultar barra de comisiones</translation>
    </message>
    <message>
        <source>Show Commission Toobar</source>
        <translation>Mostrar barra de comisiones</translation>
    </message>
</context>
<context>
    <name>DialogToolBar</name>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>KeypadPanel</name>
    <message>
        <source>Reverse Mode</source>
        <translation>Modo inverso</translation>
    </message>
    <message>
        <source>Quick Print</source>
        <translation>Impresión rápida</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>LanguageCommands</name>
    <message>
        <source>The language you chose is shown from the next start of the program.</source>
        <translation>El idioma elegido se mostrará a partir del próximo inicio del programa.</translation>
    </message>
</context>
<context>
    <name>LogCommands</name>
    <message>
        <source>Save Transaction Log</source>
        <translation>Guardar registro de operaciones</translation>
    </message>
    <message>
        <source>Transaction Log (*.tlg *.TLG)</source>
        <translation>Registro de operaciones (*.tlg *.TLG)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>CUSTOMER COPY</source>
        <translation>COPIA CLIENTE</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Tel.:</translation>
    </message>
    <message>
        <source>Fax:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Draft, P/Cheque, M/Order Details</source>
        <translation>Giro, cheque, orden de pago</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Moneda local</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Tipo de cambio</translation>
    </message>
    <message>
        <source>Converted Currency</source>
        <translation>Moneda convertida</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>Fee</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>TOTAL AMOUNT</source>
        <translation>IMPORTE TOTAL</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Venta</translation>
    </message>
    <message>
        <source>Base Rate</source>
        <translation>Tipo base</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheques</source>
        <translation>Cheques de viaje</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Transaction Log Date: %1 Time:%2</source>
        <translation>Registro de operaciones Fecha: %1 Hora:%2</translation>
    </message>
</context>
<context>
    <name>TAccountForm</name>
    <message>
        <source>Set Accounting Export File</source>
        <translation>Archivo de exportación contable</translation>
    </message>
    <message>
        <source>Use Account Export File</source>
        <translation>Usar el archivo de cuentas</translation>
    </message>
    <message>
        <source>File Path/Directory</source>
        <translation>Ruta/Carpeta</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Error: Unable to Select Directory</source>
        <translation>Error: no se puede elegir la carpeta</translation>
    </message>
    <message>
        <source>Select a Startup Folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Error: Unable to Open to select signature file</source>
        <translation>Error: no se puede abrir el archivo para elegirlo</translation>
    </message>
    <message>
        <source>Error: Unable to create new signature file</source>
        <translation>Error: no se puede crear el archivo nuevo</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose the folder of the account file.</source>
        <translation>La carpeta %1 no existe. Elija la carpeta del archivo de cuentas.</translation>
    </message>
</context>
<context>
    <name>TAddCurrency</name>
    <message>
        <source>User Defined Currency</source>
        <translation>Moneda propia</translation>
    </message>
    <message>
        <source>&amp;Country Name:</source>
        <translation>&amp;Nombre del país:</translation>
    </message>
    <message>
        <source>&amp;Use existing currency</source>
        <translation>&amp;Usar moneda existente</translation>
    </message>
    <message>
        <source>&amp;Pseudo 3 character ISO code</source>
        <translation>Cód. ISO &amp;ficticio (3 letras)</translation>
    </message>
    <message>
        <source>&amp;Exchange Rate:</source>
        <translation>&amp;Tipo de cambio:</translation>
    </message>
    <message>
        <source>&amp;Denomination e.g. Dollars</source>
        <translation>&amp;Denominación, ej. Dólares</translation>
    </message>
    <message>
        <source>No currency code chosen.</source>
        <translation>No se ha elegido ningún código de moneda.</translation>
    </message>
</context>
<context>
    <name>TCurrencyEditor</name>
    <message>
        <source>No Currency has been selected.</source>
        <translation>No se ha seleccionado ninguna moneda.</translation>
    </message>
    <message>
        <source>Can only delete from User Defined currencies</source>
        <translation>Solo se pueden borrar monedas propias</translation>
    </message>
    <message>
        <source>Currency Changer</source>
        <translation>Editor de monedas</translation>
    </message>
    <message>
        <source>Unable to load dll - TCE</source>
        <translation>No se puede cargar la DLL - TCE</translation>
    </message>
    <message>
        <source>Add New Currency</source>
        <translation>Nueva moneda</translation>
    </message>
    <message>
        <source>Edit Currency</source>
        <translation>Editar moneda</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete Currency</source>
        <translation>Borrar moneda</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>All currencies are relative to the USD</source>
        <translation>Todas las monedas son relativas al USD</translation>
    </message>
    <message>
        <source>Expand Tree View</source>
        <translation>Expandir el árbol</translation>
    </message>
    <message>
        <source>Disable Currency Update Button</source>
        <translation>Desactivar la actualización</translation>
    </message>
</context>
<context>
    <name>TCurrencyForm</name>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Traveller&apos;s Cheque</source>
        <translation>Cheque de viaje</translation>
    </message>
    <message>
        <source>Commission Setup</source>
        <translation>Configurar comisiones</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Clear Settings</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Local Currency</source>
        <translation>Moneda local</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Minorista</translation>
    </message>
    <message>
        <source> Cash </source>
        <translation> Efectivo </translation>
    </message>
    <message>
        <source> Credit Card </source>
        <translation> Tarjeta de crédito </translation>
    </message>
    <message>
        <source> Traveller&apos;s Cheque </source>
        <translation> Cheque de viaje </translation>
    </message>
    <message>
        <source>Sell(%)</source>
        <translation>Venta(%)</translation>
    </message>
    <message>
        <source>Buy(%)</source>
        <translation>Compra(%)</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Sell Min. </source>
        <translation>Venta mín. </translation>
    </message>
    <message>
        <source>Buy Min. </source>
        <translation>Compra mín. </translation>
    </message>
    <message>
        <source>Commission</source>
        <translation>Comisión</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Impuesto</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>Error: Unable to Load Currency Values from Registry</source>
        <translation>Error: no se pueden leer los valores de moneda de la configuración</translation>
    </message>
    <message>
        <source>Error: Unable to Write Currency Values to Registry</source>
        <translation>Error: no se pueden escribir los valores de moneda en la configuración</translation>
    </message>
</context>
<context>
    <name>TCurrencySelector</name>
    <message>
        <source>Currency Selector</source>
        <translation>Selector de monedas</translation>
    </message>
    <message>
        <source>Left Click Drag your choice of country</source>
        <translation>Arrastre el país elegido</translation>
    </message>
    <message>
        <source>onto an exchange panel or button.</source>
        <translation>a un panel de cambio o a un botón.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Error: Unable to Execute Browser Launch</source>
        <translation>Error: no se puede abrir el navegador</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Cl&amp;ear Folders</source>
        <translation>&amp;Borrar carpetas</translation>
    </message>
    <message>
        <source>&amp;Load Default Folders</source>
        <translation>&amp;Cargar carpetas por defecto</translation>
    </message>
    <message>
        <source>Lan&amp;guage (next start)</source>
        <translation>&amp;Idioma (al reiniciar)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Load &amp;Defaults</source>
        <translation>Cargar por &amp;defecto</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Vemox Help</source>
        <translation>Ayuda de Vemox</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Las páginas de ayuda están en inglés.</translation>
    </message>
</context>
<context>
    <name>TPrintGo</name>
    <message>
        <source>Print/Accounts</source>
        <translation>Imprimir/Cuentas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Add to Account File</source>
        <translation>Añadir al archivo de cuentas</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Company Name: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Street&amp;1:</source>
        <translation>Calle &amp;1:</translation>
    </message>
    <message>
        <source>Street&amp;2:</source>
        <translation>Calle &amp;2:</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;Ciudad:</translation>
    </message>
    <message>
        <source>&amp;State:</source>
        <translation>Pro&amp;vincia:</translation>
    </message>
    <message>
        <source>&amp;Zip:</source>
        <translation>Código p&amp;ostal:</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;País:</translation>
    </message>
    <message>
        <source>&amp;Email:</source>
        <translation>&amp;Email:</translation>
    </message>
    <message>
        <source>&amp;Phone: </source>
        <translation>&amp;Teléfono: </translation>
    </message>
    <message>
        <source>&amp;Fax: </source>
        <translation>&amp;Fax: </translation>
    </message>
    <message>
        <source>&amp;Web Page:</source>
        <translation>Página &amp;web:</translation>
    </message>
    <message>
        <source>&amp;User Info:</source>
        <translation>&amp;Info. usuario:</translation>
    </message>
    <message>
        <source>Branch Name:</source>
        <translation>Sucursal:</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>Title/Name</source>
        <translation>Título/Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Include Title</source>
        <translation>Incluir título</translation>
    </message>
    <message>
        <source>Include Name</source>
        <translation>Incluir nombre</translation>
    </message>
    <message>
        <source>Include Todays Date</source>
        <translation>Incluir la fecha de hoy</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Tipo de impresión</translation>
    </message>
    <message>
        <source>40 Column Printer</source>
        <translation>Impresora de 40 columnas</translation>
    </message>
    <message>
        <source>80 Column Printer</source>
        <translation>Impresora de 80 columnas</translation>
    </message>
    <message>
        <source>Include Address Information</source>
        <translation>Incluir la dirección</translation>
    </message>
    <message>
        <source>Error: Unable to write Banner data to registry</source>
        <translation>Error: no se puede escribir el encabezado en la configuración</translation>
    </message>
</context>
<context>
    <name>TQuickReportViewer</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Page ? of ?</source>
        <translation>Página ? de ?</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>Página entera</translation>
    </message>
    <message>
        <source>Fit to screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Página an&amp;terior</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Fir&amp;st Page</source>
        <translation>&amp;Primera página</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>&amp;Last Page</source>
        <translation>Ú&amp;ltima página</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>&amp;Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Ajustar al anc&amp;ho</translation>
    </message>
    <message>
        <source>Open a Report</source>
        <translation>Abrir un informe</translation>
    </message>
    <message>
        <source>Save Details</source>
        <translation>Guardar el informe</translation>
    </message>
</context>
<context>
    <name>TTransLog</name>
    <message>
        <source>Transaction Log</source>
        <translation>Registro de operaciones</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>ActionPrint</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>ActionOkay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>ActionHelp</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>TabCommands</name>
    <message>
        <source>This will delete current settings!</source>
        <translation>¡Esto borrará la configuración actual!</translation>
    </message>
    <message>
        <source>Load Defaults</source>
        <translation>Cargar valores por defecto</translation>
    </message>
    <message>
        <source>Change Tab Name</source>
        <translation>Cambiar el nombre de la pestaña</translation>
    </message>
    <message>
        <source>Enter the new Tab Name</source>
        <translation>Escriba el nuevo nombre de la pestaña</translation>
    </message>
</context>
<context>
    <name>Tdateform</name>
    <message>
        <source>Date Format</source>
        <translation>Formatos</translation>
    </message>
    <message>
        <source>Currency Format </source>
        <translation>Formato numérico </translation>
    </message>
    <message>
        <source>, Thousands . decimal</source>
        <translation>, miles . decimales</translation>
    </message>
    <message>
        <source>. Thousands , decimal</source>
        <translation>. miles , decimales</translation>
    </message>
    <message>
        <source>Number of Decimal places:</source>
        <translation>Decimales:</translation>
    </message>
    <message>
        <source>Date Format </source>
        <translation>Formato de fecha </translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Completo</translation>
    </message>
</context>
<context>
    <name>Tproxyform</name>
    <message>
        <source>Firewall Settings</source>
        <translation>Cortafuegos</translation>
    </message>
    <message>
        <source>&amp;Use Firewall</source>
        <translation>&amp;Usar cortafuegos</translation>
    </message>
    <message>
        <source>&amp;Proxy Address:</source>
        <translation>Dir. &amp;proxy:</translation>
    </message>
    <message>
        <source>U&amp;ser ID:</source>
        <translation>&amp;ID usuario:</translation>
    </message>
    <message>
        <source>&amp;Pwd:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>Pu&amp;erto:</translation>
    </message>
    <message>
        <source>Incorrect Server or Port settings</source>
        <translation>Servidor o puerto incorrectos</translation>
    </message>
</context>
<context>
    <name>Vemox</name>
    <message>
        <source>The file path %1no longer exists. Check your directory settings.
Append to Accounts aborted.</source>
        <translation>La ruta %1ya no existe. Compruebe la configuración de carpetas.
Se ha cancelado el añadido a cuentas.</translation>
    </message>
    <message>
        <source>Open Account File</source>
        <translation>Abrir archivo de cuentas</translation>
    </message>
    <message>
        <source>ZYM Account File (*.afe *.AFE)</source>
        <translation>Archivo de cuentas ZYM (*.afe *.AFE)</translation>
    </message>
    <message>
        <source>File does not exist. Create new file?</source>
        <translation>El archivo no existe. ¿Crear un archivo nuevo?</translation>
    </message>
    <message>
        <source>Create New Account File</source>
        <translation>Crear archivo de cuentas</translation>
    </message>
    <message>
        <source>Enter Account File Name:</source>
        <translation>Nombre del archivo de cuentas:</translation>
    </message>
    <message>
        <source>A file name cannot name a folder: </source>
        <translation>Un nombre de archivo no puede indicar una carpeta: </translation>
    </message>
    <message>
        <source>
The transaction was not added to the account file; it is kept and can be exported again.</source>
        <translation>
La operación no se añadió al archivo de cuentas; se conserva y puede exportarse de nuevo.</translation>
    </message>
    <message>
        <source>Unable to create file. Check disk is not full.</source>
        <translation>No se puede crear el archivo. Compruebe que el disco no esté lleno.</translation>
    </message>
    <message>
        <source>No Transaction to Save to File.</source>
        <translation>No hay ninguna operación que guardar.</translation>
    </message>
    <message>
        <source>Added to Accounts</source>
        <translation>Añadido a cuentas</translation>
    </message>
    <message>
        <source>Account File is Undefined</source>
        <translation>Archivo de cuentas no definido</translation>
    </message>
    <message>
        <source>No currency data loaded!</source>
        <translation>¡No hay datos de cambio cargados!</translation>
    </message>
    <message>
        <source>No rates: the data file names only the update servers</source>
        <translation>Sin cambios: el archivo solo indica los servidores de actualización</translation>
    </message>
    <message>
        <source>an unstated date</source>
        <translation>una fecha sin indicar</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Cambios del %1</translation>
    </message>
    <message>
        <source>Last update: </source>
        <translation>Actualizado: </translation>
    </message>
    <message>
        <source>No data uploaded! Server may be down or busy.
Please try again later</source>
        <translation>¡No se recibieron datos! El servidor puede estar caído u ocupado.
Inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>There is no rollback copy for this session: it could not be made at start (%1)</source>
        <translation>No hay copia de reserva en esta sesión: no se pudo hacer al inicio (%1)</translation>
    </message>
    <message>
        <source>Missing Rollback data file</source>
        <translation>Falta el archivo de reserva</translation>
    </message>
    <message>
        <source>Rollback complete!</source>
        <translation>¡Restauración completada!</translation>
    </message>
    <message>
        <source>the rates the program started with</source>
        <translation>los cambios del inicio</translation>
    </message>
    <message>
        <source>Country Name</source>
        <translation>nombre del país</translation>
    </message>
    <message>
        <source>Denomination</source>
        <translation>denominación</translation>
    </message>
    <message>
        <source>No Country Name given.</source>
        <translation>No se ha indicado el nombre del país.</translation>
    </message>
    <message>
        <source>This country name already exists.</source>
        <translation>Este nombre de país ya existe.</translation>
    </message>
    <message>
        <source>Must be your own Unique psuedo ISO value
and not one in use by a given country.</source>
        <translation>Debe ser un código ISO ficticio propio y único,
y no uno que use ya un país.</translation>
    </message>
    <message>
        <source>Cannot create a new currency with 0.0 values</source>
        <translation>No se puede crear una moneda con valor 0.0</translation>
    </message>
    <message>
        <source>No Country Denomination given.</source>
        <translation>No se ha indicado la denominación.</translation>
    </message>
    <message>
        <source>The pseudo ISO code must be three letters.</source>
        <translation>El código ISO ficticio debe tener tres letras.</translation>
    </message>
    <message>
        <source>The %1 cannot hold a line break, &quot;&lt;&quot; or &quot;&gt;&quot;, or a character outside Western European letters:
the currency file could not be read back.</source>
        <translation>El campo %1 no puede contener saltos de línea, &quot;&lt;&quot; ni &quot;&gt;&quot;, ni caracteres fuera de las letras de Europa occidental:
el archivo de monedas no podría volver a leerse.</translation>
    </message>
    <message>
        <source> Error: Unable to complete iso/currency name set up</source>
        <translation> Error: no se pueden completar el código ISO y el nombre de la moneda</translation>
    </message>
    <message>
        <source>UserDefined.dat was not read when the currency data was loaded.
It is kept as it is: user-defined currencies cannot be added or deleted until it loads.</source>
        <translation>UserDefined.dat no se leyó al cargar los datos de cambio.
Se conserva tal cual: no se pueden añadir ni borrar monedas propias hasta que se cargue.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Vemox report</source>
        <translation>Informe de Vemox</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Separado por comas</translation>
    </message>
    <message>
        <source>The file extension given does not match the format selected.</source>
        <translation>La extensión del archivo no corresponde al formato elegido.</translation>
    </message>
    <message>
        <source>Wrong file extension</source>
        <translation>Extensión incorrecta</translation>
    </message>
    <message>
        <source>The file %1 is not a Vemox report file</source>
        <translation>El archivo %1 no es un informe de Vemox</translation>
    </message>
    <message>
        <source>The report file %1 was saved by a later version of Vemox (format %2); this version reads format %3 and earlier</source>
        <translation>El informe %1 se guardó con una versión posterior de Vemox (formato %2); esta versión lee el formato %3 y anteriores</translation>
    </message>
    <message>
        <source>The report file %1 is damaged or incomplete</source>
        <translation>El informe %1 está dañado o incompleto</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed.
Save it as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada y el informe no se puede imprimir.
¿Guardarlo como PDF?</translation>
    </message>
    <message>
        <source>The report could not be printed on the printer &quot;%1&quot;.
Save it as a PDF file instead?</source>
        <translation>El informe no se pudo imprimir en la impresora &quot;%1&quot;.
¿Guardarlo como PDF?</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>Printed on &quot;%1&quot;</source>
        <translation>Impreso en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Sucursal</translation>
    </message>
    <message>
        <source>Address 1</source>
        <translation>Dirección 1</translation>
    </message>
    <message>
        <source>Address 2</source>
        <translation>Dirección 2</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 is larger than 40 characters long. Truncation will apply.</source>
        <translation>%1 supera los 40 caracteres y se recortará.</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; does not exist</source>
        <translation>El tema de ayuda &apos;%1&apos; no existe</translation>
    </message>
    <message>
        <source>The help file %1 is missing</source>
        <translation>Falta el archivo de ayuda %1</translation>
    </message>
    <message>
        <source>Help topic &apos;%1&apos; is not in the help file (%2 is missing)</source>
        <translation>El tema de ayuda &apos;%1&apos; no está en la ayuda (falta %2)</translation>
    </message>
    <message>
        <source>The picture&apos;s pixels do not fill %1 x %2</source>
        <translation>Los píxeles de la imagen no llenan %1 x %2</translation>
    </message>
    <message>
        <source>No memory for a %1 x %2 picture</source>
        <translation>No hay memoria para una imagen de %1 x %2</translation>
    </message>
    <message>
        <source>No currency data. Upload from the Web.</source>
        <translation>No hay datos de cambio. Actualice desde la web.</translation>
    </message>
    <message>
        <source>No Currency Data Loaded or no currency has been defined.
Upload now?</source>
        <translation>No hay datos de cambio cargados o no se ha definido ninguna moneda.
¿Actualizar ahora?</translation>
    </message>
    <message>
        <source>There is still no rate for %1. Nothing was converted.</source>
        <translation>Todavía no hay cambio para %1. No se ha convertido nada.</translation>
    </message>
    <message>
        <source>No currency to convert from has been chosen.</source>
        <translation>No se ha elegido la moneda de origen.</translation>
    </message>
    <message>
        <source>%1 is not in the currency table, so it has no rate.</source>
        <translation>%1 no está en la tabla de monedas, así que no tiene cambio.</translation>
    </message>
    <message>
        <source> Nothing was converted.</source>
        <translation> No se ha convertido nada.</translation>
    </message>
    <message>
        <source>Awaiting update!</source>
        <translation>¡Sin actualizar!</translation>
    </message>
    <message>
        <source>Error E72: Error writing to registry</source>
        <translation>Error E72: error al escribir en la configuración</translation>
    </message>
    <message>
        <source>No rate</source>
        <translation>Sin cambio</translation>
    </message>
    <message>
        <source>1 USD = %1 %2</source>
        <translation>1 USD = %1 %2</translation>
    </message>
    <message>
        <source>, as of </source>
        <translation>, a fecha de </translation>
    </message>
    <message>
        <source>Todays date: </source>
        <translation>Fecha de hoy: </translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de lista fuera de rango (%1)</translation>
    </message>
    <message>
        <source>Currency button</source>
        <translation>Botón de moneda</translation>
    </message>
    <message>
        <source>Tab caption %1</source>
        <translation>Nombre de la pestaña %1</translation>
    </message>
    <message>
        <source>Error: Unable to load resource dll - rgx</source>
        <translation>Error: no se puede cargar la DLL de recursos - rgx</translation>
    </message>
    <message>
        <source>Error: Unable To Load Buttons</source>
        <translation>Error: no se pueden cargar los botones</translation>
    </message>
    <message>
        <source>Cannot Load Global List</source>
        <translation>No se puede cargar la lista global</translation>
    </message>
    <message>
        <source>Bad Selection Error:</source>
        <translation>Error de selección:</translation>
    </message>
    <message>
        <source>Error on Location: %1</source>
        <translation>Error en la ubicación: %1</translation>
    </message>
    <message>
        <source>Error: Unable to initialise Currency Changer</source>
        <translation>Error: no se puede iniciar el editor de monedas</translation>
    </message>
    <message>
        <source>This Country has no defined currency value.
It cannot be dragged onto an exchange pane
or button.</source>
        <translation>Este país no tiene un valor de moneda definido.
No se puede arrastrar a un panel de cambio
ni a un botón.</translation>
    </message>
    <message>
        <source>The currency data file %1 is empty</source>
        <translation>El archivo de datos de cambio %1 está vacío</translation>
    </message>
    <message>
        <source>The currency data file %1 is incomplete: it holds %2 of the at least 3 lines it needs</source>
        <translation>El archivo de datos de cambio %1 está incompleto: tiene %2 de las al menos 3 líneas que necesita</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: a rate is a number above zero</source>
        <translation>&apos;%1&apos; no es un cambio válido: un cambio es un número mayor que cero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid rate: it is too small to convert with</source>
        <translation>&apos;%1&apos; no es un cambio válido: es demasiado pequeño para convertir</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>Error: Unable to read resource library</source>
        <translation>Error: no se puede leer la biblioteca de recursos</translation>
    </message>
    <message>
        <source>Error: Unable to read from resource library</source>
        <translation>Error: no se puede leer de la biblioteca de recursos</translation>
    </message>
    <message>
        <source>Error E100: Error Loading currency data</source>
        <translation>Error E100: error al cargar los datos de cambio</translation>
    </message>
    <message>
        <source>Server Error: Please Re-load page</source>
        <translation>Error del servidor: vuelva a cargar la página</translation>
    </message>
    <message>
        <source>Problems updating from Server - Try again later</source>
        <translation>Problemas al actualizar desde el servidor - Inténtelo más tarde</translation>
    </message>
    <message>
        <source>%1 has %2 more lines that cannot be used.</source>
        <translation>%1 tiene %2 líneas más que no se pueden usar.</translation>
    </message>
    <message>
        <source>the country name &apos;%1&apos; is taken by an earlier currency, so this one cannot be used</source>
        <translation>el nombre de país &apos;%1&apos; ya lo usa una moneda anterior, así que esta no se puede usar</translation>
    </message>
    <message>
        <source>Error: Malformed cgi script. Possible Host Server 404 error.</source>
        <translation>Error: script CGI mal formado. Posible error 404 del servidor.</translation>
    </message>
    <message>
        <source>Error: Missing Currency.dat file</source>
        <translation>Error: falta el archivo Currency.dat</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Warning: More than 20 country currencies are missing data. One of the Exchange Servers could be down. Download again or try again later.</source>
        <translation>Aviso: faltan datos de más de 20 monedas. Uno de los servidores de cambio puede estar caído. Descargue de nuevo o inténtelo más tarde.</translation>
    </message>
    <message>
        <source>Received %1KB</source>
        <translation>Recibidos %1KB</translation>
    </message>
    <message>
        <source>Received %1KB of %2KB</source>
        <translation>Recibidos %1KB de %2KB</translation>
    </message>
    <message>
        <source>Error transferring %1 - server replied: %2 %3</source>
        <translation>Error al transferir %1 - el servidor respondió: %2 %3</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 of %3 bytes</source>
        <translation>%1: la transferencia se cortó tras %2 de %3 bytes</translation>
    </message>
    <message>
        <source>%1: the transfer was cut off after %2 bytes</source>
        <translation>%1: la transferencia se cortó tras %2 bytes</translation>
    </message>
    <message>
        <source>Proxy %1:%2 refused the connection</source>
        <translation>El proxy %1:%2 rechazó la conexión</translation>
    </message>
    <message>
        <source>Proxy %1:%2 was not found</source>
        <translation>No se encontró el proxy %1:%2</translation>
    </message>
    <message>
        <source>Proxy %1:%2 closed the connection before the reply</source>
        <translation>El proxy %1:%2 cerró la conexión antes de responder</translation>
    </message>
    <message>
        <source>Proxy %1:%2 did not answer in time</source>
        <translation>El proxy %1:%2 no respondió a tiempo</translation>
    </message>
    <message>
        <source>Proxy %1:%2: %3</source>
        <translation>Proxy %1:%2: %3</translation>
    </message>
    <message>
        <source>Error: The server&apos;s reply is larger than %1 MB and was refused. Nothing was changed</source>
        <translation>Error: la respuesta del servidor supera los %1 MB y se ha rechazado. No se ha cambiado nada</translation>
    </message>
    <message>
        <source>Connection Established</source>
        <translation>Conexión establecida</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>Timed out: the transfer took longer than %1 seconds and was ended</source>
        <translation>Tiempo agotado: la transferencia duró más de %1 segundos y se ha terminado</translation>
    </message>
    <message>
        <source>Read timed out: the server sent nothing for %1 seconds</source>
        <translation>Tiempo de lectura agotado: el servidor no envió nada durante %1 segundos</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The file %1 is not a regular file and was not read</source>
        <translation>El archivo %1 no es un archivo normal y no se ha leído</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 and was not read</source>
        <translation>El archivo %1 supera %2 y no se ha leído</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Unknown Find EXE error</source>
        <translation>Error desconocido al buscar el ejecutable</translation>
    </message>
    <message>
        <source>Unable to delete %1</source>
        <translation>No se puede borrar %1</translation>
    </message>
    <message>
        <source>Bad path name - FE</source>
        <translation>Nombre de ruta incorrecto - FE</translation>
    </message>
    <message>
        <source>The file %1 could not be found</source>
        <translation>No se encontró el archivo %1</translation>
    </message>
    <message>
        <source>No File association found for the file type - %1</source>
        <translation>No hay ninguna asociación para el tipo de archivo - %1</translation>
    </message>
    <message>
        <source>Not a valid exe or image file</source>
        <translation>No es un ejecutable ni una imagen válidos</translation>
    </message>
    <message>
        <source>Unable to locate file association %1</source>
        <translation>No se encuentra la asociación de archivo %1</translation>
    </message>
    <message>
        <source>The list is saved only under a plain file name: &quot;%1&quot;</source>
        <translation>La lista solo se guarda con un nombre de archivo simple: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The path is too long: %1</source>
        <translation>La ruta es demasiado larga: %1</translation>
    </message>
    <message>
        <source>Files are deleted only in a folder given by its full path: &quot;%1&quot;</source>
        <translation>Solo se borran archivos en una carpeta indicada con su ruta completa: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>La carpeta %1 no existe</translation>
    </message>
    <message>
        <source>The root folder and the home folder are never emptied: &quot;%1&quot;</source>
        <translation>La carpeta raíz y la carpeta personal nunca se vacían: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>%1; the part written could not be taken back: %2</source>
        <translation>%1; la parte escrita no se pudo deshacer: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>… (%1 more lines)</source>
        <translation>… (%1 líneas más)</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Address from Registry</source>
        <translation>Error: no se puede leer la dirección del proxy de la configuración</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Userid from Registry</source>
        <translation>Error: no se puede leer el usuario del proxy de la configuración</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy User Password from Registry</source>
        <translation>Error: no se puede leer la contraseña del proxy de la configuración</translation>
    </message>
    <message>
        <source>Error: Unable to read Proxy Port Number from Registry</source>
        <translation>Error: no se puede leer el puerto del proxy de la configuración</translation>
    </message>
    <message>
        <source>The proxy address %1 names the scheme %2: only an HTTP proxy can be used, so leave the scheme out or write http://</source>
        <translation>La dirección del proxy %1 indica el esquema %2: solo se puede usar un proxy HTTP, así que omita el esquema o escriba http://</translation>
    </message>
    <message>
        <source>The proxy address %1 holds a path: give the proxy&apos;s host name alone</source>
        <translation>La dirección del proxy %1 contiene una ruta: indique solo el nombre del host del proxy</translation>
    </message>
    <message>
        <source>The proxy address %1 ends in a port that is not a port number</source>
        <translation>La dirección del proxy %1 termina en un puerto que no es un número de puerto</translation>
    </message>
    <message>
        <source>The proxy address %1 names port %2, but the port field holds %3: give the port in one place</source>
        <translation>La dirección del proxy %1 indica el puerto %2, pero el campo del puerto contiene %3: indique el puerto en un solo lugar</translation>
    </message>
    <message>
        <source>The proxy address %1 names no host</source>
        <translation>La dirección del proxy %1 no indica ningún host</translation>
    </message>
    <message>
        <source>The proxy port %1 is not a port number</source>
        <translation>El puerto del proxy %1 no es un número de puerto</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2. The program goes on, but the settings changed now will be lost when it closes</source>
        <translation>La configuración no se puede guardar en %1: %2. El programa continúa, pero los cambios de configuración hechos ahora se perderán al cerrarlo</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2</source>
        <translation>La configuración no se puede guardar en %1: %2</translation>
    </message>
    <message>
        <source>Error: Out of memory</source>
        <translation>Error: memoria insuficiente</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>el archivo no se puede escribir</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera los %1 MB</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2). It has been moved to %3 and the program goes on with its default settings.</source>
        <translation>No se pudo leer el archivo de configuración %1 (%2). Se ha movido a %3 y el programa continúa con la configuración por defecto.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), and it could not be moved to %3 (%4). The program goes on with its default settings and will not save settings until the file is repaired or removed.</source>
        <translation>No se pudo leer el archivo de configuración %1 (%2) ni moverlo a %3 (%4). El programa continúa con la configuración por defecto y no guardará la configuración hasta que el archivo se repare o se elimine.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <translation>no se puede crear la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>another program kept %1 locked</source>
        <translation>otro programa mantuvo bloqueado %1</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made (%2)</source>
        <translation>no se puede crear el archivo de bloqueo %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>the first line is not REGEDIT4</source>
        <translation>la primera línea no es REGEDIT4</translation>
    </message>
    <message>
        <source>unexpected text</source>
        <translation>texto inesperado</translation>
    </message>
    <message>
        <source>a value outside a key</source>
        <translation>un valor fuera de una clave</translation>
    </message>
    <message>
        <source>a key line without its closing bracket</source>
        <translation>una línea de clave sin su corchete de cierre</translation>
    </message>
    <message>
        <source>a key outside HKEY_CURRENT_USER</source>
        <translation>una clave fuera de HKEY_CURRENT_USER</translation>
    </message>
    <message>
        <source>an invalid key name</source>
        <translation>un nombre de clave no válido</translation>
    </message>
    <message>
        <source>unterminated quoted text</source>
        <translation>texto entre comillas sin cerrar</translation>
    </message>
    <message>
        <source>a value name longer than %1 characters</source>
        <translation>un nombre de valor de más de %1 caracteres</translation>
    </message>
    <message>
        <source>a value without &quot;=&quot;</source>
        <translation>un valor sin &quot;=&quot;</translation>
    </message>
    <message>
        <source>text after a string</source>
        <translation>texto tras una cadena</translation>
    </message>
    <message>
        <source>a dword without 8 hex digits</source>
        <translation>un dword sin 8 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>an invalid hex(N) type</source>
        <translation>un tipo hex(N) no válido</translation>
    </message>
    <message>
        <source>an unknown value type</source>
        <translation>un tipo de valor desconocido</translation>
    </message>
    <message>
        <source>a value removal line</source>
        <translation>una línea de eliminación de valor</translation>
    </message>
    <message>
        <source>a hex byte without 2 digits</source>
        <translation>un byte hexadecimal sin 2 dígitos</translation>
    </message>
    <message>
        <source>a hex list ending in a comma</source>
        <translation>una lista hexadecimal que termina en coma</translation>
    </message>
    <message>
        <source>a value too large</source>
        <translation>un valor demasiado grande</translation>
    </message>
    <message>
        <source>the file ends inside a hex list</source>
        <translation>el archivo termina dentro de una lista hexadecimal</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>The resource library is not loaded</source>
        <translation>La biblioteca de recursos no está cargada</translation>
    </message>
    <message>
        <source>Resource id %1 is out of range</source>
        <translation>El id de recurso %1 está fuera de rango</translation>
    </message>
    <message>
        <source>Resource id %1 is given twice</source>
        <translation>El id de recurso %1 aparece dos veces</translation>
    </message>
    <message>
        <source>Picture %1 has a wrong size</source>
        <translation>La imagen %1 tiene un tamaño incorrecto</translation>
    </message>
    <message>
        <source>The resource library is too large</source>
        <translation>La biblioteca de recursos es demasiado grande</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>it is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1, entrada %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid time</source>
        <translation>&apos;%1&apos; no es una hora válida</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron obtener los datos de &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron establecer los datos de &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ZYMTimePanelComponent</name>
    <message>
        <source>am</source>
        <extracomment>Before noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>am</translation>
    </message>
    <message>
        <source>pm</source>
        <extracomment>After noon, on a button 20 pixels wide: two letters at most.</extracomment>
        <translation>pm</translation>
    </message>
</context>
</TS>
